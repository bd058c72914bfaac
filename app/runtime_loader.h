#pragma once
#include <string>
#include <vector>

#include <tolvanea/runtime.h>

#include "app/runtime_messages.h"

// The run-time library as the program holds it: the handle (never closed) and the
// root record that HH filled.
struct RuntimeBinding {
    void* handle = nullptr;
    RuntimeRoot root{};
};

inline constexpr const char* kRuntimeFileName = "libTolvanea.Runtime.so";

// The process's binding, filled by loadRuntimeLibrary at start-up.
RuntimeBinding& runtimeBinding();

// Loads the run-time library from the first of `folders` that holds it, else, when
// `systemSearch` is set, through the system's default search; presets the root's
// size and calls HH. Every failure is shown through `messages` (a missing file only
// when `showMissing` is set). True when the library is loaded and initialised;
// a binding that is already loaded stays as it is.
bool loadRuntimeLibrary(RuntimeBinding& binding, const std::vector<std::string>& folders, bool systemSearch,
                        bool showMissing, RuntimeMessages& messages);
