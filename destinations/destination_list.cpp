#include "destinations/destination_list.h"

#include <algorithm>

#include "destinations/settings_section.h"
#include "text/folder_path.h"

void DestinationList::Fill(const std::vector<WellKnownFolder>& wellKnown,
                           ProfileSection& settings) {
    // Slot i must stay item i: start from an empty view as well as empty slots.
    while (view_.ItemCount() > 0) {
        view_.DeleteItem(view_.ItemCount() - 1);
    }
    paths_.fill(std::string());
    count_ = 0;

    for (const WellKnownFolder& folder : wellKnown) {
        if (count_ == kMaxCount) {
            break;
        }
        view_.AddItem(folder.label);
        paths_[count_++] = folder.path;
    }
    fixedCount_ = count_;

    loaded_ = ReadSavedFolders(settings, std::max(kMaxCount - count_, kKeptUserFolders));
    unshown_.clear();
    added_ = 0;
    // A folder that cannot be offered still takes its place in the room.
    verbatimCount_ =
        static_cast<int>(std::count_if(loaded_.begin(), loaded_.end(), [](const std::string& path) {
            return IsVerbatimFolder(path);
        }));
    for (const std::string& path : loaded_) {
        if (IsVerbatimFolder(path)) {
            continue;
        }
        if (count_ >= Capacity()) {
            unshown_.push_back(path);
            continue;
        }
        view_.AddItem(path);
        paths_[count_++] = path;
    }

    const int savedIndex = settings.ReadInt(kSelectionKey, 0);
    const std::optional<std::string> savedPath = settings.ReadString(kSelectedPathKey);
    // A selected folder that is not offered selects nothing of what is.
    if (!savedPath && settings.ReadVerbatim(kSelectedPathKey)) {
        view_.Select(0);
        return;
    }
    view_.Select(SavedSelection(
        savedIndex, savedPath ? SelectedPathFor(*savedPath, savedIndex) : std::nullopt));
    // A negative saved value selects nothing.
    if (view_.Selection() < 0) {
        view_.Select(0);
    }
}

int DestinationList::SavedSelection(int savedIndex,
                                    const std::optional<std::string>& savedPath) const {
    // Files of earlier versions have the index only.
    if (!savedPath) {
        return savedIndex < view_.ItemCount() ? savedIndex : 0;
    }
    // The index tells apart two entries of one folder; the path finds the folder when
    // the well-known folders ahead of it have changed.
    if (savedIndex >= 0 && savedIndex < count_ && paths_[savedIndex] == *savedPath) {
        return savedIndex;
    }
    for (int slot = 0; slot < count_; ++slot) {
        if (paths_[slot] == *savedPath) {
            return slot;
        }
    }
    // The folder is no longer offered.
    return 0;
}

bool DestinationList::Add(const std::string& path) {
    // An empty slot would end the saved list early and lose every older folder, and a
    // cut one would come back as another folder.
    if (!CanKeepSavedFolder(path) || fixedCount_ >= Capacity()) {
        return false;
    }
    // The new folder goes in front of the user folders; the last slot falls off.
    for (int slot = Capacity() - 1; slot > fixedCount_; --slot) {
        paths_[slot] = std::move(paths_[slot - 1]);
    }
    paths_[fixedCount_] = path;

    view_.InsertItem(fixedCount_, path);
    view_.Select(fixedCount_);
    ++added_;
    if (++count_ > Capacity()) {
        count_ = Capacity();
        view_.DeleteItem(Capacity());
    }
    return true;
}

int DestinationList::SlotOf(const std::string& path) const {
    for (int slot = 0; slot < count_; ++slot) {
        // A saved "C:\Mail\" of an earlier version is the "C:\Mail" given now.
        if (SameFolder(paths_[slot], path)) {
            return slot;
        }
    }
    return -1;
}

bool DestinationList::CanSelectOrAdd(const std::string& path) const {
    // The checks of SelectFolder and Add, without their changes.
    return SlotOf(path) >= 0 || (CanKeepSavedFolder(path) && fixedCount_ < kMaxCount);
}

bool DestinationList::SelectFolder(const std::string& path) {
    const int slot = SlotOf(path);
    if (slot < 0) {
        return false;
    }
    view_.Select(slot);
    return true;
}

std::optional<std::string> DestinationList::SelectedFolder() {
    const int selected = view_.Selection();
    if (selected < 0 || selected >= count_) {
        return std::nullopt;
    }
    return paths_[selected];
}

bool DestinationList::Save(ProfileSection& settings) {
    const std::vector<std::string> shown(paths_.begin() + fixedCount_, paths_.begin() + count_);
    const int room = std::max(kMaxCount - fixedCount_, kKeptUserFolders);
    const std::vector<std::string> folders = MergeSavedFolders(
        WithVerbatimFoldersInPlace(shown, static_cast<size_t>(added_), unshown_, loaded_), unshown_,
        loaded_, ReadSavedFolders(settings, kSavedFolderKeys), room);
    const int selection = view_.Selection();
    const std::string selectedPath =
        selection >= 0 && selection < count_ ? paths_[selection] : std::string();
    for (const SettingsKeyWrite& write :
         SettingsKeyWrites(folders, selection, selectedPath, settings.ReadLines())) {
        // A file that refuses one write refuses the rest.
        if (!settings.WriteKey(write.key, write.value)) {
            return false;
        }
    }
    return true;
}
