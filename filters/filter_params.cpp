#include "filters/noise_params.h"
#include "filters/sharpen_params.h"

// Process-wide parameter blocks of the filter dialogs.
NoiseParams& noiseParams() {
    static NoiseParams params;
    return params;
}

SharpenParams& sharpenParams() {
    static SharpenParams params;
    return params;
}
