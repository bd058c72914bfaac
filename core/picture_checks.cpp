#include "core/picture_checks.h"

#include "core/picture.h"

const char* pictureSizeProblem(int32_t width, int32_t height) {
    return width >= 4 && height >= 4 ? nullptr : kMinimumSizeMessage;
}

const char* pictureProblem(const Picture* picture) {
    if (!picture) return kNoPictureMessage;
    return pictureSizeProblem(picture->width, picture->height);
}
