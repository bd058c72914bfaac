#pragma once
#include <QString>

struct FileListRule;

// What the file lists of the compositing dialogs share.

// The file dialog filter ("Picture Files (*.png;*.bmp;*.jpg)|*.png;*.bmp;*.jpg|Jpeg
// (*.jpg)|*.jpg|Portable NetWork Graphics (*.png)|*.png|Bitmap (True Color
// Only)(*.bmp)|*.bmp|All Files|*.*|" in the library's form), written the way Qt's file
// dialog reads it.
QString compositingFileFilter();

// The rule of the parameter blocks' file lists (compositing/file_list_rule.h): sorted, a
// path that begins a listed one (letter case ignored) left out.
FileListRule compositingFileListRule();

// The line the compositing dialogs show above their lists.
inline constexpr const char* kDropHint = "You can drop this file only (BMP,PNG,JPG)";
