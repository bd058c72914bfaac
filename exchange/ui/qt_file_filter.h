#pragma once
#include <QString>

// Turns a filter text in the image library's form, descriptions and patterns each
// followed by '|' ("PNG (*.PNG)|*.PNG|"), into Qt's "PNG (*.PNG);;..." form. A
// description that already names its patterns in parentheses is kept as it is;
// several patterns separated by ';' become one space-separated list. A trailing
// description without a pattern is dropped.
QString qtFileFilter(const char* libraryFilter);
