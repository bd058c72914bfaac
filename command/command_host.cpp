#include "command/command_host.h"

#include "core/picture_checks.h"

bool CommandHost::passes(const char* problem) {
    if (problem) interaction().showMessage(problem, kMainCaption, Interaction::Icon::Error);
    return !problem;
}

bool CommandHost::checkPictureSize(int width, int height) { return passes(pictureSizeProblem(width, height)); }

bool CommandHost::requirePicture() { return passes(pictureProblem(currentPicture())); }
