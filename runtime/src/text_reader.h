// Buffered reading of single-byte or UTF-16 text (the latter marked by the
// bytes FE FF 00 at the start) from a file or a caller's fill function, in
// 64 KiB blocks, character by character or line by line.
#pragma once

#include "tolvanea/runtime.h"

namespace tolvanea {

constexpr int32_t kReaderBlockSize = 65536;

TextReader* openReader(const void* source, RtWord reserved, uint32_t flags, RtWord context);
RtBool resetReader(TextReader* reader);
RtWide readReaderChar(TextReader* reader, RtBool* got);
RtBool readReaderLine(TextReader* reader, RtWide* buffer, int32_t capacity);
RtBool closeReader(TextReader* reader);

}  // namespace tolvanea
