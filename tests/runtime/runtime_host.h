// The tests' view of the runtime library: loaded once by dlopen, bound by HH,
// exactly as a host binds it.
#pragma once

#include "tolvanea/runtime.h"

#include <string>

// The root filled by HH of the loaded library (the test aborts when loading fails).
const RuntimeRoot& runtimeRoot();

// Address of HH in the loaded library.
HHFn runtimeEntry();

// A fresh, empty folder for one test's files, removed at process exit.
std::string scratchFolder();

// Whole-file helpers for checking what the library wrote.
std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);
