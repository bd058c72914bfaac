#pragma once
#include <string>
#include <vector>

// Folders searched for the run-time libraries, in order: the running program's
// own folder (a build tree), the install library folder as seen from the program's
// folder (an installed tree, wherever it was moved), then the install library
// folder the build was configured for. After them the system's default search
// (dlopen by bare name, which honours the program's RUNPATH) is tried.
std::vector<std::string> librarySearchFolders();

// The same list for a program in `ownFolder`; `fromBinDir` is the install library
// folder relative to the install program folder, `configured` the absolute one.
std::vector<std::string> librarySearchFolders(const std::string& ownFolder, const std::string& fromBinDir,
                                              const std::string& configured);

// The folder of the running program (from /proc/self/exe), without a trailing slash.
std::string programFolder();

// The first folder holding `fileName` as "<folder>/<fileName>", or empty.
std::string findLibrary(const std::vector<std::string>& folders, const std::string& fileName);
