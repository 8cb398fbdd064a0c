// The program's one application object, which WinMain runs.
#include "app/mailto_app.h"

namespace {

CMailtoApp theApp;

}  // namespace
