#include "default_extension.h"
#include "file_services.h"
#include "platform.h"

namespace tolvanea {

RtBool browseForFolder(void* /*owner*/, const char* initialText, char* out) {
    std::string folder;
    if (!platformChooseFolder("Please, select a folder", initialText, folder)) return 0;
    return copyPathText(folder, out) ? 1 : 0;
}

RtBool chooseFileToOpen(void* /*owner*/, const char* filters, char* out) {
    FileChoice choice;
    if (!platformChooseFile(false, "Open", parseFilterList(filters), choice)) return 0;
    return copyPathText(choice.path, out) ? 1 : 0;
}

RtBool chooseFileToSave(void* /*owner*/, const char* filters, char* out) {
    FileChoice choice;
    if (!platformChooseFile(true, "Save", parseFilterList(filters), choice)) return 0;
    return copyPathText(applyDefaultExtension(choice.path, filters, choice.filterIndex), out) ? 1 : 0;
}

}  // namespace tolvanea
