#pragma once
#include <cstdint>

// Parameter block of the "New Picture" dialog; one for the whole run, kept between
// uses and stored with the configuration.
struct NewPictureParams {
    int32_t pictureWidth = 512;  // "X"
    int32_t pictureHeight = 512; // "Y"
    int32_t reserved = 0;        // not used; stored and loaded with the block
};

NewPictureParams& newPictureParams();
