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

namespace {

std::string PercentDecoded(const std::string& text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

}  // namespace

std::map<std::string, std::string> ReadAsMailProgram(const std::string& url) {
    std::map<std::string, std::string> fields;
    const std::string scheme = "mailto:";
    if (url.rfind(scheme, 0) != 0) {
        return fields;
    }
    const size_t query = url.find('?');
    fields["to"] = PercentDecoded(url.substr(scheme.size(), query - scheme.size()));
    for (size_t start = query; start != std::string::npos;) {
        const size_t end = url.find('&', start + 1);
        const std::string field = url.substr(start + 1, end - start - 1);
        const size_t equals = field.find('=');
        fields[PercentDecoded(field.substr(0, equals))] = PercentDecoded(field.substr(equals + 1));
        start = end;
    }
    return fields;
}

}  // namespace e2e
