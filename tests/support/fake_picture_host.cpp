#include "tests/support/fake_picture_host.h"

void FakePictureHost::saveUndoSnapshot() {
    log.push_back("snapshot");
    undo = copyPicture(picture.get());
}

bool FakePictureHost::requirePicture() {
    log.push_back("require");
    return PictureHost::requirePicture();
}
