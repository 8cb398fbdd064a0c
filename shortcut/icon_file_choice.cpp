#include "shortcut/icon_file_choice.h"

#include <optional>

namespace {

constexpr char16_t kProgramFileName[] = u"ravlet.exe";

bool IsAscii(std::u16string_view text) {
    for (const char16_t unit : text) {
        if (unit >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ChooseIconFile(std::u16string_view programFolder, const SystemCodePage& system,
                           const std::function<std::u16string()>& shortFolder) {
    if (programFolder.empty()) {
        return {};
    }
    if (const auto spelt = system.Spell(std::u16string(programFolder) + kProgramFileName)) {
        return *spelt;
    }
    const std::u16string folder = shortFolder();
    if (folder.empty() || folder.back() != u'\\' || !IsAscii(folder)) {
        return {};
    }
    const std::u16string path = folder + kProgramFileName;
    return std::string(path.begin(), path.end());
}
