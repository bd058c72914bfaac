#include "exchange/png_compression.h"

PngCompression& pngCompression() {
    static PngCompression compression = PngCompression::Fast;
    return compression;
}
