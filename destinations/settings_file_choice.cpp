#include "destinations/settings_file_choice.h"

SettingsFileChoice ChooseSettingsFile(const SettingsPlaces& places) {
    using Place = SettingsPlace;
    // A folder spelt with stand-in characters names another folder: no file at all.
    if (!places.programFolderKnown) {
        return {Place::None, Place::None};
    }
    if (places.programFolderWritable) {
        // The user's own file, kept while the folder could not be written, moves beside
        // the program at this run's save instead of being forgotten.
        if (!places.fileBesideProgram && places.perUserFolderKnown && places.perUserFile) {
            return {Place::PerUser, Place::BesideProgram};
        }
        return {places.fileBesideProgram ? Place::BesideProgram : Place::None,
                Place::BesideProgram};
    }
    // Without a folder of the user's own, the save tries the program's folder and says
    // that it failed.
    if (!places.perUserFolderKnown) {
        return {places.fileBesideProgram ? Place::BesideProgram : Place::None,
                Place::BesideProgram};
    }
    if (places.perUserFile) {
        return {Place::PerUser, Place::PerUser};
    }
    // A file an administrator put beside the program is the starting point until the
    // user's own file exists.
    return {places.fileBesideProgram ? Place::BesideProgram : Place::None, Place::PerUser};
}
