#include "command/command_texts.h"

#include <cmath>

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/interaction.h"
#include "core/out_of_memory.h"

namespace {
void showError(Interaction& ui, const std::string& text) {
    ui.showMessage(text, kMainCaption, Interaction::Icon::Error);
}
}  // namespace

std::string noMemoryForPictureText(int64_t width, int64_t height) {
    return "Not enough memory for a picture of " + std::to_string(width) + " x " + std::to_string(height);
}

void reportNoMemoryForPicture(Interaction& ui, int64_t width, int64_t height) {
    showError(ui, noMemoryForPictureText(width, height));
}

void reportOutOfMemory(Interaction& ui, const std::bad_alloc& failure) {
    const auto* own = dynamic_cast<const OutOfMemory*>(&failure);
    showError(ui, own ? own->what() : kNoMemoryToFilter);
}

std::string blendLevelText(int blendLevel) {
    if (blendLevel >= 255) return {};
    return "Level " + std::to_string(int(std::lround(blendLevel * 100.0 / 255))) + " %";
}

std::string cannotSaveMessage(const std::string& path, const std::string& reason) {
    return "Cannot save " + path + ": " + reason;
}

void reportExportFailure(Interaction& ui, const std::string& path, const std::string& reason) {
    showError(ui, "Failure export image " + path);
    showError(ui, "Erreur exportation");
    if (!reason.empty()) showError(ui, cannotSaveMessage(path, reason));
}
