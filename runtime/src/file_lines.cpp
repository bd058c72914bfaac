// Line reading and writing. The readers take one byte (or one UTF-16 unit) per
// read and drop the byte after every line end, taking it as the second half of
// CR LF: files meant for them use CR LF.
#include <cstdio>
#include <cstring>

#include "decimal_text.h"
#include "file_services.h"

namespace tolvanea {
namespace {

constexpr char kLineEnd[2] = {'\r', '\n'};
constexpr unsigned char kWideLineEnd[4] = {0x0D, 0x00, 0x0A, 0x00};

bool readByte(RtHandle file, char& byte) { return readBytes(file, &byte, 1) == 0; }

bool readUnit(RtHandle file, RtWide& unit) {
    unsigned char bytes[2];
    if (readBytes(file, bytes, 2) != 0) return false;
    unit = static_cast<RtWide>(bytes[0] | (bytes[1] << 8));
    return true;
}

// Gathers a line into line (at most kMaxLine characters; the rest of a longer
// line is dropped). untilCR: only CR ends a line, LF is skipped and the end of
// the file makes the result false.
bool gatherLine(RtHandle file, char (&line)[kMaxLine + 1], bool untilCR) {
    int n = 0;
    bool result = false;
    char byte = 0;
    for (;;) {
        if (!readByte(file, byte)) {
            result = !untilCR && n > 0;
            break;
        }
        if (byte == '\r' || (byte == '\n' && !untilCR)) {
            char dropped;
            readByte(file, dropped);
            result = true;
            break;
        }
        if (byte == '\n') continue;
        if (n < kMaxLine) line[n++] = byte;
    }
    line[n] = '\0';
    return result;
}

bool gatherWideLine(RtHandle file, RtWide (&line)[kMaxLine + 1]) {
    int n = 0;
    bool result = false;
    RtWide unit = 0;
    for (;;) {
        if (!readUnit(file, unit)) break;
        if (unit == 0x000D) {
            RtWide dropped;
            readUnit(file, dropped);
            result = true;
            break;
        }
        if (unit == 0x000A) continue;
        if (n < kMaxLine) line[n++] = unit;
    }
    line[n] = 0;
    return result;
}

RtBool deliver(bool result, const char (&line)[kMaxLine + 1], char* out) {
    if (out != nullptr) std::memcpy(out, line, std::strlen(line) + 1);
    return result ? 1 : 0;
}

RtBool deliverWide(bool result, const RtWide (&line)[kMaxLine + 1], RtWide* out) {
    if (out != nullptr) {
        int n = 0;
        while (line[n] != 0) ++n;
        std::memcpy(out, line, (static_cast<std::size_t>(n) + 1) * sizeof(RtWide));
    }
    return result ? 1 : 0;
}

std::size_t wideLength(const RtWide* text) {
    std::size_t n = 0;
    if (text != nullptr) {
        while (text[n] != 0) ++n;
    }
    return n;
}

}  // namespace

RtBool readLine(RtHandle file, char* out) {
    char line[kMaxLine + 1];
    bool result = gatherLine(file, line, false);
    return deliver(result, line, out);
}

RtBool readLineUntilCR(RtHandle file, char* out) {
    char line[kMaxLine + 1];
    bool result = gatherLine(file, line, true);
    return deliver(result, line, out);
}

RtBool readWideLine(RtHandle file, RtWide* out) {
    RtWide line[kMaxLine + 1];
    bool result = gatherWideLine(file, line);
    return deliverWide(result, line, out);
}

RtBool readSettingLine(RtHandle file, char* out) {
    char line[kMaxLine + 1];
    bool result = false;
    do {
        result = gatherLine(file, line, true) || result;
    } while (line[0] == ';');
    return deliver(result, line, out);
}

RtBool readWideSettingLine(RtHandle file, RtWide* out) {
    RtWide line[kMaxLine + 1];
    bool result = false;
    do {
        result = gatherWideLine(file, line) || result;
    } while (line[0] == 0x003B);
    return deliverWide(result, line, out);
}

int32_t readNumberLine(RtHandle file) {
    char line[kMaxLine + 1];
    gatherLine(file, line, false);
    return decimalValue(line);
}

int32_t writeLine(RtHandle file, const char* text) {
    if (text != nullptr) writeBytes(file, text, static_cast<uint32_t>(std::strlen(text)));
    return writeBytes(file, kLineEnd, sizeof kLineEnd);
}

int32_t writeNumberLine(RtHandle file, int32_t value) {
    char text[16];
    int length = std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    writeBytes(file, text, static_cast<uint32_t>(length));
    return writeBytes(file, kLineEnd, sizeof kLineEnd);
}

int32_t writeWideLine(RtHandle file, const RtWide* text) {
    const std::size_t length = wideLength(text);
    // Little-endian units whatever the host's order.
    std::string bytes(length * 2, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    writeBytes(file, bytes.data(), static_cast<uint32_t>(bytes.size()));
    return writeBytes(file, kWideLineEnd, sizeof kWideLineEnd);
}

int32_t writeTextLine(RtHandle file, const RtWide* text, RtBool asWide) {
    if (asWide & 1) return writeWideLine(file, text);
    // The low byte of every unit, no code-page conversion; at most 65,535 units.
    std::size_t length = wideLength(text);
    if (length > 65535) length = 65535;
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(text[i] & 0xFF);
    writeBytes(file, bytes.data(), static_cast<uint32_t>(bytes.size()));
    return writeBytes(file, kLineEnd, sizeof kLineEnd);
}

}  // namespace tolvanea
