#include "app/config_params.h"
#include "app/new_picture_params.h"

// The shell's process-wide parameter blocks.
NewPictureParams& newPictureParams() {
    static NewPictureParams params;
    return params;
}

ConfigParams& configParams() {
    static ConfigParams params;
    return params;
}
