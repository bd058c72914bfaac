#pragma once

// The line the compositing dialogs show above their file lists.
inline constexpr const char* kDropHint = "You can drop this file only (BMP,PNG,JPG)";
