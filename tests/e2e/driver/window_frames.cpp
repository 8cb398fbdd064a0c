// No window manager runs on the virtual display, so nobody would draw the title bars
// and frames of the program's windows, and screenshots would lack their captions. Wine
// draws them itself when told so; each Wine process reads this at start, so it is set
// before any program is started.
#include <gtest/gtest.h>

#include "driver/registry_key.h"

namespace e2e {
namespace {

class WineDrawsWindowFrames : public ::testing::Environment {
public:
    void SetUp() override {
        RegistryKey x11Driver(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver");
        x11Driver.SetString("Decorated", "N");
    }
};

const auto* const kRegistered =
    ::testing::AddGlobalTestEnvironment(new WineDrawsWindowFrames);  // gtest owns it

}  // namespace
}  // namespace e2e
