#pragma once
#include <QString>

// "KorvintePicture Version 0.5 Build (<date> <time>)": the window title and the text
// of the "About Box", stamped with the compiler's build date and time.
QString buildTitle();
