#include "compositing/tag_set.h"

#include "core/interaction.h"

std::string incorrectFormatMessage(const std::string& path) { return "The file " + path + " has incorrect format"; }

TagSet loadTagSet(const ImageLibrary& library, const std::vector<std::string>& paths, uint32_t keyColor,
                  Interaction& ui) {
    TagSet set;
    set.images.reserve(paths.size());
    for (const std::string& path : paths) {
        set.images.push_back(loadTagImage(library, path, keyColor, ui));
        if (!set.images.back()) ui.showMessage(incorrectFormatMessage(path), kMainCaption, Interaction::Icon::Error);
    }
    return set;
}
