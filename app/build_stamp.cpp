#include "app/build_stamp.h"

QString buildTitle() {
    return QString::asprintf("KorvintePicture Version %d.%d Build (%s %s)", VOSPREN_VERSION_MAJOR,
                             VOSPREN_VERSION_MINOR, __DATE__, __TIME__);
}
