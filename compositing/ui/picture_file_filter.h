#pragma once
#include <QString>

// The file dialog filter of the compositing dialogs' lists, in the library's form.
inline constexpr const char* kCompositingFileFilter =
    "Picture Files (*.png;*.bmp;*.jpg)|*.png;*.bmp;*.jpg|Jpeg (*.jpg)|*.jpg|Portable NetWork Graphics "
    "(*.png)|*.png|Bitmap (True Color Only)(*.bmp)|*.bmp|All Files|*.*|";

// The line the compositing dialogs show above their lists.
inline constexpr const char* kDropHint = "You can drop this file only (BMP,PNG,JPG)";

// The filter in Qt's form.
QString compositingFileFilter();
