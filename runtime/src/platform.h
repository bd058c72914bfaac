// The runtime's few message boxes and dialogs. With a QApplication running in
// the process and the call on its thread they are Qt dialogs; otherwise the
// text goes to standard error and every dialog answers "cancelled".
#pragma once

#include <string>
#include <vector>

namespace tolvanea {

// Message box with an error icon and an OK button.
void platformMessage(const char* text, const char* caption);

// Question with an error icon and Yes/No buttons; true for Yes. Without a
// running application the answer is No.
bool platformAskYesNo(const char* text, const char* caption);

struct FileFilter {
    std::string description;
    std::string pattern;  // as given, e.g. "*.jpg" or "*.jpg;*.jpeg"
};

struct FileChoice {
    std::string path;
    int filterIndex = 0;  // 1-based index of the filter selected, 0 when unknown
};

// Open or save dialog; false when cancelled.
bool platformChooseFile(bool save, const char* title, const std::vector<FileFilter>& filters, FileChoice& choice);

// Folder dialog; false when cancelled.
bool platformChooseFolder(const char* title, const char* initial, std::string& folder);

}  // namespace tolvanea
