// DigestTable: CRC-32 and MD5 of memory blocks.
#include "crc32.h"
#include "entry_guard.h"
#include "md5_digest.h"
#include "table_fill.h"

namespace {

// A negative length or null data counts as an empty block.
std::size_t blockLength(const void* data, int32_t length) { return data && length > 0 ? std::size_t(length) : 0; }

uint32_t crc32(const void* data, int32_t length) { return tolvanea::crc32Checksum(data, blockLength(data, length)); }

void md5Hex(const void* data, int32_t length, char* out33) {
    tolvanea::md5Text(data, blockLength(data, length), out33);
}

void md5Digest(const void* data, int32_t length, uint8_t* out16) {
    tolvanea::md5Bytes(data, blockLength(data, length), out16);
}

}  // namespace

void fillDigestTable(DigestTable* table) {
    using tolvanea::guarded;
    table->size = sizeof(DigestTable);
    table->crc32 = guarded<crc32>;
    table->md5Hex = guarded<md5Hex>;
    table->md5Digest = guarded<md5Digest>;
}
