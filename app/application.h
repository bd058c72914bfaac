#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/data_directory.h"
#include "app/runtime_loader.h"

struct ImageLibrary;

// What start-up needs from its surroundings, so that each step can be tried alone.
struct StartupContext {
    EnvironmentLookup environment = processEnvironment;
    // Where the run-time library is looked for, before the system's own search.
    std::vector<std::string> libraryFolders;
    bool systemSearch = true;
    // Binds the image library; returns false with the reason in `error`.
    std::function<bool(ImageLibrary& lib, std::string* error)> loadImages;
    // The "TOLVANEA.RUNTIME" Yes/No box; true for Yes.
    RuntimeMessages::Ask askRuntime;
    // An error box without owner: text and caption (empty for the default caption).
    std::function<void(const std::string& text, const std::string& caption)> showError;
};

// The context of a real run: the process's environment, the program's folder and
// the install folder, real message boxes.
StartupContext defaultStartupContext();

// Start-up up to the window: binds the run-time library (false ends the program),
// settles the data directory, binds the image library (a failure is reported and
// start-up goes on).
bool prepareStartup(StartupContext& context, RuntimeBinding& runtime, ImageLibrary& images);

// The whole program once the QApplication exists: start-up, then the main window
// until it closes; the first of `files` is opened once the window is up. Returns
// the process's exit status.
int runVospren(const std::vector<std::string>& files = {});

// A file named on the command line as a path: "file:" URLs (as some launchers
// hand them) become local paths, anything else stays as typed.
std::string commandLineFilePath(const std::string& argument);
