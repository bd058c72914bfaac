#pragma once
// MD5 message digest (RFC 1321). The running state is one process-wide record,
// reset at the start of every call, so two threads must not digest at once.
#include <cstddef>
#include <cstdint>

namespace tolvanea {

// The 16 digest bytes of length bytes at data into out.
void md5Bytes(const void* data, std::size_t length, std::uint8_t out[16]);

// The digest as 32 lower-case hexadecimal characters and a terminator into out (33 bytes).
void md5Text(const void* data, std::size_t length, char out[33]);

}  // namespace tolvanea
