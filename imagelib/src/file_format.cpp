#include "file_format.h"

#include <strings.h>
#include <cstring>

FileFormat formatFromContent(const uint8_t* data, size_t size) {
    static const uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && std::memcmp(data, pngSignature, 8) == 0) return FileFormat::png;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return FileFormat::jpeg;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return FileFormat::bmp;
    return FileFormat::unknown;
}

FileFormat formatFromExtension(const char* path) {
    if (!path) return FileFormat::unknown;
    const char* dot = std::strrchr(path, '.');
    const char* slash = std::strrchr(path, '/');
    if (!dot || (slash && dot < slash)) return FileFormat::unknown;
    const char* ext = dot + 1;
    if (strcasecmp(ext, "png") == 0) return FileFormat::png;
    if (strcasecmp(ext, "jpg") == 0 || strcasecmp(ext, "jpeg") == 0) return FileFormat::jpeg;
    if (strcasecmp(ext, "bmp") == 0) return FileFormat::bmp;
    return FileFormat::unknown;
}
