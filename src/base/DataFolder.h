#pragma once
// The per-user data folder and the stored paths that point into it.
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// $CORVANE_DATA_DIR when set; otherwise $XDG_DATA_HOME (or ~/.local/share) followed by
// "CorvaneData20250827A". Empty when none of CORVANE_DATA_DIR, XDG_DATA_HOME and HOME is
// set: the current directory is no place to guess for the user's settings.
std::filesystem::path DefaultDataFolder();
// What the program says when DefaultDataFolder() is empty and no --data-dir was given.
inline constexpr std::string_view kNoDataFolderText =
    "no data folder: HOME and XDG_DATA_HOME are both unset, and the current directory is not used "
    "in their place; set HOME, XDG_DATA_HOME or CORVANE_DATA_DIR, or pass --data-dir";

// Creates the data folder and its "config" subfolder when missing; false when either is
// not a folder the program can write into afterwards (the program goes on; reads fall
// back to defaults), with "PATH: reason" in problem. An empty path creates nothing and
// gives kNoDataFolderText.
bool EnsureDataFolder(const std::filesystem::path& dataFolder, std::string* problem = nullptr);

// Stored paths keep their Windows spelling ("config\default0.psf"); they are opened with
// "/" separators, and a relative one resolves against the data folder rather than the
// working directory. An empty stored path gives an empty path (nothing to open), and so
// does a relative one that climbs out of the data folder ("..\..\x.psf"): the program
// itself only ever stores paths inside it. An absolute path is taken as the user set it.
std::filesystem::path ResolveDataPath(const std::filesystem::path& dataFolder, std::u16string_view stored);

// Folder of the running executable.
std::filesystem::path ExecutableFolder();

// The folder that holds the program's shipped files ("skins/", "lang/"): the executable's
// own folder in a build tree, where they are generated beside it; otherwise the installed
// data folder, found relative to the executable (<prefix>/bin -> <prefix>/share/corvane),
// so an installation moved to another prefix as a whole still finds them. This is the one
// place that decides it; everything that opens a shipped file starts here.
std::filesystem::path ProgramResourceFolder(const std::filesystem::path& exeFolder);
std::filesystem::path ProgramResourceFolder();

}  // namespace corvane
