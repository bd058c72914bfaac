#pragma once
// CRC-32 of ISO-HDLC / IEEE 802.3 (reflected polynomial 0xEDB88320).
#include <cstddef>
#include <cstdint>

namespace tolvanea {

// Checksum of length bytes at data; 0 for null data or a length of 0.
std::uint32_t crc32Checksum(const void* data, std::size_t length);

}  // namespace tolvanea
