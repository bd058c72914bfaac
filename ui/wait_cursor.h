#pragma once
#include <QGuiApplication>

// The wait cursor over the whole program while a call that shows no progress runs on
// the interface's thread (a picture file read or written: a large picture in "Small"
// takes seconds); the cursor before it comes back when the scope ends. Keep message
// boxes outside the scope, so that they show the ordinary cursor.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
