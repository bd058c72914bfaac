#pragma once
// JPEG decoding from memory into 3-byte RGB pixel blocks and encoding such blocks into
// memory, through the IJG programming interface. Each call owns its JPEG object; a fatal
// library error shows the "JPEG Fatal Error" box and the call returns its failure value.
#include <cstddef>
#include <cstdint>

namespace tolvanea {

// Largest picture a decode accepts, in pixels (the block takes three bytes each).
inline constexpr std::uint64_t maxDecodePixels = std::uint64_t(1) << 28;
// Pictures above this many pixels must come with data in proportion: no real JPEG packs
// more than maxPixelsPerByte pixels into a byte, and a bare header announcing a huge
// picture would otherwise cost the whole block and decode time.
inline constexpr std::uint64_t proportionFreePixels = std::uint64_t(1) << 24;
inline constexpr std::uint64_t maxPixelsPerByte = 4096;

// A malloc'd block of width x height x 3 bytes (grey data repeated into all three bytes,
// data of other component counts left zero), or null. width and height (may be null)
// receive 0 first and the picture's size once it is known.
std::uint8_t* decodeJpegBlock(const void* data, std::size_t size, std::int32_t* width, std::int32_t* height);

// The size recorded in the header; nothing else is decoded.
bool readJpegDimensions(const void* data, std::size_t size, std::int32_t* width, std::int32_t* height);

struct JpegEncodeResult {
    bool ok;            // the whole stream was produced and fitted into the block
    std::size_t total;  // bytes of the compressed stream (0 after a library error)
};

// Compresses width x height 3-byte pixels (color) or their grey levels (not color)
// into out, storing at most capacity bytes.
JpegEncodeResult encodeJpegBlock(std::uint8_t* out, std::size_t capacity, const std::uint8_t* pixels,
                                 std::uint32_t width, std::uint32_t height, bool color, int quality);

}  // namespace tolvanea
