#pragma once
#include <cstdint>

struct Picture;

// The first two steps of every picture command: a picture exists, and it is at least
// 4 x 4. Each returns the message to show, or null when the check passes; the window
// shows it in a message box, the command line on stderr.
inline constexpr const char* kNoPictureMessage = "The picture is not initialized,please goto File->New";
inline constexpr const char* kMinimumSizeMessage = "The picture should be have a minimum size 4,4";

const char* pictureSizeProblem(int32_t width, int32_t height);
const char* pictureProblem(const Picture* picture);
