#include "destinations/destination_list.h"

#include "shortcut/shortcut_path.h"

namespace {

constexpr int kSavedFolderKeys = DestinationList::kMaxCount;

// "MENU_%03d" of index (0 to 19); built by hand, as a formatted print would bring the
// whole of the runtime's printf into the program.
std::string MenuKey(int index) {
    const std::string digits = std::to_string(index);
    return "MENU_" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

// A user folder that can hold shortcuts and comes back whole from the settings file.
bool CanKeep(const std::string& path) {
    return IsUsableFolder(path) && path.size() <= ProfileSection::kMaxValueBytes;
}

}  // namespace

void DestinationList::Fill(const std::vector<WellKnownFolder>& wellKnown,
                           ProfileSection& settings) {
    // Slot i must stay item i: start from an empty view as well as empty slots.
    while (view_.ItemCount() > 0) {
        view_.DeleteItem(view_.ItemCount() - 1);
    }
    paths_.fill(std::string());
    count_ = 0;
    keysRead_ = 0;

    for (const WellKnownFolder& folder : wellKnown) {
        if (count_ == kMaxCount) {
            break;
        }
        view_.AddItem(folder.label);
        paths_[count_++] = folder.path;
    }
    fixedCount_ = count_;

    // The saved folders end at the first empty key; a gap hides everything after it.
    // A value that was cut or cannot hold shortcuts is passed over, and the folders
    // behind it still come.
    for (int key = 0; key < kSavedFolderKeys && count_ < kMaxCount; ++key) {
        std::optional<std::string> path = settings.ReadString(MenuKey(key));
        if (path && path->empty()) {
            break;
        }
        keysRead_ = key + 1;
        if (!path || !CanKeep(*path)) {
            continue;
        }
        view_.AddItem(*path);
        paths_[count_++] = std::move(*path);
    }

    const int saved = settings.ReadInt("SELECT", 0);
    view_.Select(saved < view_.ItemCount() ? saved : 0);
    // A negative saved value selects nothing.
    if (view_.Selection() < 0) {
        view_.Select(0);
    }
}

bool DestinationList::Add(const std::string& path) {
    // An empty slot would end the saved list early and lose every older folder, and a
    // cut one would come back as another folder.
    if (!CanKeep(path) || fixedCount_ >= kMaxCount) {
        return false;
    }
    // The new folder goes in front of the user folders; the last slot falls off.
    for (int slot = kMaxCount - 1; slot > fixedCount_; --slot) {
        paths_[slot] = std::move(paths_[slot - 1]);
    }
    paths_[fixedCount_] = path;

    view_.InsertItem(fixedCount_, path);
    view_.Select(fixedCount_);
    if (++count_ > kMaxCount) {
        count_ = kMaxCount;
        view_.DeleteItem(kMaxCount);
    }
    return true;
}

std::optional<std::string> DestinationList::SelectedFolder() {
    const int selected = view_.Selection();
    if (selected < 0 || selected >= count_) {
        return std::nullopt;
    }
    return paths_[selected];
}

void DestinationList::Save(ProfileSection& settings) {
    int key = 0;
    for (; key < kSavedFolderKeys; ++key) {
        const int slot = fixedCount_ + key;
        if (slot >= kMaxCount || paths_[slot].empty()) {
            break;
        }
        settings.WriteString(MenuKey(key), paths_[slot]);
    }
    // Values passed over at the start moved the folders behind them up; the keys they
    // leave behind would bring those folders back twice. An empty value ends the list.
    if (key < keysRead_) {
        settings.WriteString(MenuKey(key), "");
    }
    settings.WriteString("SELECT", std::to_string(view_.Selection()));
}
