#pragma once
#include <cstdint>

// Parameter block of the Configuration dialog, stored whole with the configuration.
// The blend colour and mix range are copies of PaintSettings refreshed every time
// the dialog opens; the two flags mirror PaintSettings.connectable and
// PaintSettings.rotationAntiAlias.
struct ConfigParams {
    uint32_t configBlendColor = 0x00FFFFFF;
    uint8_t connectable = 1;
    uint8_t configMixFrom = 100;
    uint8_t configMixTo = 100;
    uint8_t rotationAntiAlias = 0;
};

ConfigParams& configParams();
