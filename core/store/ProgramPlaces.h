#pragma once

#include <filesystem>
#include <string>

#include "store/Status.h"

namespace vantorel {

// Where the program finds and keeps its files. A program installed under a prefix (its folder is PREFIX/bin
// and PREFIX/share/vantorel/ exists) writes nothing beside itself: its settings go to the user's
// configuration folder and its leagues to Vantorel/ in the documents folder. A program run from a folder it
// may write (a build folder) keeps both there; from any other folder, settings and leagues go to the user's
// folders.
struct ProgramPlaces {
    std::filesystem::path settingsFile;
    std::filesystem::path helpFile;
    std::string leagueFolder; // the league folder until the settings name another; ends in a separator
    std::filesystem::path sampleLeague; // the league an installed program ships; empty when there is none
    bool installed = false;
};

// The places for a program in programFolder, with $XDG_CONFIG_HOME and $HOME (either may be null).
ProgramPlaces LocateProgramPlaces(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                                  const char* home);

// The user's documents folder: XDG_DOCUMENTS_DIR of user-dirs.dirs in the configuration folder
// ($XDG_CONFIG_HOME, or ~/.config), or ~/Documents when it names none (or names the home folder itself).
std::filesystem::path DocumentsFolder(const char* xdgConfigHome, const char* home);

// Makes sure the default league folder exists before it is first listed: when it is missing it is created
// and the shipped sample league is copied into it, so that a new user sees a league at once. A league
// folder other than the default is left alone.
Status PrepareLeagueFolder(const ProgramPlaces& places, const std::string& leagueFolder);

} // namespace vantorel
