#pragma once
#include <string>
#include <vector>

// Folders searched for the run-time libraries, in order: the running program's
// own folder, then the install library folder. After them the system's default
// search (dlopen by bare name) is tried.
std::vector<std::string> librarySearchFolders();

// The folder of the running program (from /proc/self/exe), without a trailing slash.
std::string programFolder();

// The first folder holding `fileName` as "<folder>/<fileName>", or empty.
std::string findLibrary(const std::vector<std::string>& folders, const std::string& fileName);
