#include "exchange/png_compression.h"

PngCompression& pngCompression() {
    static PngCompression compression = PngCompression::Fast;
    return compression;
}

std::optional<PngCompression> pngCompressionFromWord(const std::string& word) {
    if (word == "fast") return PngCompression::Fast;
    if (word == "small") return PngCompression::Small;
    return std::nullopt;
}

const char* pngCompressionWord(PngCompression compression) {
    return compression == PngCompression::Small ? "small" : "fast";
}
