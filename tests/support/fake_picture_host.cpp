#include "tests/support/fake_picture_host.h"

#include "core/picture_checks.h"

namespace {

bool passes(const char* problem, Interaction& ui) {
    if (problem) ui.showMessage(problem, kMainCaption, Interaction::Icon::Error);
    return !problem;
}

}  // namespace

void FakePictureHost::saveUndoSnapshot() {
    log.push_back("snapshot");
    undo = copyPicture(picture.get());
}

bool FakePictureHost::checkPictureSize(int width, int height) { return passes(pictureSizeProblem(width, height), ui); }

bool FakePictureHost::requirePicture() {
    log.push_back("require");
    return passes(pictureProblem(picture.get()), ui);
}
