#include "app/build_stamp.h"

QString buildTitle() {
    return QString::asprintf("KorvintePicture Version %d.%d Build (%s %s)", 0, 5, __DATE__, __TIME__);
}
