#include "driver/mailto_handler.h"

#include "driver/registry_key.h"

namespace e2e {
namespace {

const char kProtocolKey[] = "mailto";
const char kCommandKey[] = "mailto\\shell\\open\\command";

}  // namespace

MailtoHandler::MailtoHandler(const std::string& handlerExe) {
    RegistryKey protocol(HKEY_CLASSES_ROOT, kProtocolKey);
    RegistryKey command(HKEY_CLASSES_ROOT, kCommandKey);
    previousCommand_ = command.GetString("");
    // Without "URL Protocol" the shell does not pass a URL of this scheme on.
    registered_ = protocol.SetString("URL Protocol", "") &&
                  command.SetString("", "\"" + handlerExe + "\" \"%1\"");
}

MailtoHandler::~MailtoHandler() {
    if (previousCommand_) {
        RegistryKey(HKEY_CLASSES_ROOT, kCommandKey).SetString("", *previousCommand_);
    }
}

}  // namespace e2e
