// The folders a shortcut can be saved into: well-known shell folders at the head, then
// the folders the user added, newest first. Slot i belongs to item i of the view.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "destinations/destination_view.h"
#include "destinations/profile_section.h"
#include "destinations/well_known_folder.h"

class DestinationList {
public:
    static constexpr int kMaxCount = 20;
    // The user folders a list behind the desktop, the Start menu and the favourites
    // holds. A file keeps that many even where Quick Launch takes one more place.
    static constexpr int kKeptUserFolders = 17;

    explicit DestinationList(DestinationView& view) : view_(view) {}

    // Builds the list from the well-known folders and the saved user folders, and
    // selects the saved item.
    void Fill(const std::vector<WellKnownFolder>& wellKnown, ProfileSection& settings);
    // Inserts a folder the user chose behind the well-known folders and selects it;
    // the oldest user folder falls off when the list is full. False, with nothing
    // changed, for a folder that cannot hold shortcuts or is too long to be read back
    // from the settings file.
    bool Add(const std::string& path);
    // Selects the first entry whose folder is path, letters compared without regard to
    // case and a trailing "\" aside (a well-known folder included); false, with nothing
    // changed, when none is.
    bool SelectFolder(const std::string& path);
    // Whether SelectFolder or Add would take path; nothing changes.
    bool CanSelectOrAdd(const std::string& path) const;
    // The folder of the selected item, or nullopt when nothing is selected.
    std::optional<std::string> SelectedFolder();
    // Writes the user folders and the selection key by key. The section is read again
    // first: the folders read at the start that found no room in the list, and then
    // those another run saved meanwhile, are kept behind this run's own. False when the
    // file could not be written.
    bool Save(ProfileSection& settings);

    int count() const { return count_; }
    int fixedCount() const { return fixedCount_; }
    const std::string& path(int slot) const { return paths_[slot]; }

private:
    DestinationView& view_;
    std::array<std::string, kMaxCount> paths_;
    int count_ = 0;
    int fixedCount_ = 0;
    // The user folders as Fill read them, to tell another run's additions at the save,
    // and those of them the list had no room for.
    std::vector<std::string> loaded_;
    std::vector<std::string> unshown_;
    // Folders this run put in front since Fill, and the folders read that the code page
    // cannot spell, which are never offered but keep their room.
    int added_ = 0;
    int verbatimCount_ = 0;

    int Capacity() const { return kMaxCount - verbatimCount_; }

    // The first slot whose folder is path (letters without regard to case, a trailing
    // "\" aside), or -1.
    int SlotOf(const std::string& path) const;
    // The item to select for a saved index and path.
    int SavedSelection(int savedIndex, const std::optional<std::string>& savedPath) const;
};
