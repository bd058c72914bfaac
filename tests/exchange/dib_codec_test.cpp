// Clipboard bitmaps: every layout we read against a pixel-by-pixel reading of the
// format, the encoder's layout, and headers that lie about their data.
#include "exchange/dib_codec.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "tests/exchange/exchange_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

void put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
uint32_t get32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// How a hand-made bitmap is laid out.
struct Layout {
    int32_t width = 4;
    int32_t height = 4;  // stored; negative for top-down
    uint16_t bits = 24;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};  // red, green, blue
    uint32_t colorsUsed = 0;
    uint32_t gapAfterHeader = 0;  // bytes only a bitmap file's offset skips
    bool asFile = false;
};

size_t rowsOffset(const Layout& l) {
    size_t offset = l.headerSize;
    if (l.compression == 3 || l.compression == 6) offset = std::max<size_t>(offset, l.compression == 3 ? 52 : 56);
    return offset + size_t(l.colorsUsed) * 4 + l.gapAfterHeader;
}

// The header as the layout says, then every row (padding included) of random bytes.
std::vector<uint8_t> makeBitmap(const Layout& l, uint32_t seed) {
    const size_t stride = size_t(dibRowLength(l.width, l.bits));
    const size_t rows = size_t(l.height < 0 ? -int64_t(l.height) : l.height);
    std::vector<uint8_t> b(rowsOffset(l) + stride * rows);
    std::mt19937 random(seed);
    for (auto& v : b) v = uint8_t(random());
    std::fill(b.begin(), b.begin() + l.headerSize, 0);
    put32(b, 0, l.headerSize);
    put32(b, 4, uint32_t(l.width));
    put32(b, 8, uint32_t(l.height));
    put16(b, 12, 1);
    put16(b, 14, l.bits);
    put32(b, 16, l.compression);
    put32(b, 32, l.colorsUsed);
    if (l.compression == 3 || l.compression == 6)
        for (int i = 0; i < 3; ++i) put32(b, 40 + 4 * i, l.masks[i]);
    if (!l.asFile) return b;
    std::vector<uint8_t> file(kBmpFileHeaderSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, uint32_t(file.size() + b.size()));
    put32(file, 10, l.gapAfterHeader ? uint32_t(kBmpFileHeaderSize + rowsOffset(l)) : 0);
    file.insert(file.end(), b.begin(), b.end());
    return file;
}

int byteOf(uint32_t mask) {
    for (int i = 0; i < 4; ++i)
        if (mask == 0xFFu << (8 * i)) return i;
    return -1;
}

// The format read pixel by pixel: stored row i, column x at rowsOffset + i * R + x * B,
// shown at row h - 1 - i, or at row i when the stored height is negative.
PicturePtr oracleRead(const Layout& l, const std::vector<uint8_t>& bytes) {
    const uint8_t* rows = bytes.data() + (l.asFile ? kBmpFileHeaderSize : 0) + rowsOffset(l);
    const int32_t h = l.height < 0 ? -l.height : l.height;
    const size_t B = l.bits / 8, R = (size_t(l.width) * B + 3) / 4 * 4;
    const bool masked = l.compression == 3 || l.compression == 6;
    const int r = masked ? byteOf(l.masks[0]) : 2, g = masked ? byteOf(l.masks[1]) : 1,
              b = masked ? byteOf(l.masks[2]) : 0;
    PicturePtr p = createPicture(l.width, h, 0);
    for (int32_t i = 0; i < h; ++i) {
        for (int32_t x = 0; x < l.width; ++x) {
            const uint8_t* px = rows + size_t(i) * R + size_t(x) * B;
            storePixel(p.get(), x, l.height < 0 ? i : h - 1 - i, px[r], px[g], px[b]);
        }
    }
    return p;
}

// Decodes from a heap block of exactly the data's size, so that the sanitizer
// catches any read past its end.
DibStatus decodeExact(const std::vector<uint8_t>& bytes, PicturePtr* picture, DibStatus* headerStatus = nullptr) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() ? bytes.size() : 1]);
    if (!bytes.empty()) std::memcpy(exact.get(), bytes.data(), bytes.size());
    const DibBytes view = dibBytes(bytes.empty() ? nullptr : exact.get(), bytes.size());
    DibHeader header;
    const DibStatus status = readDibHeader(view, &header);
    if (headerStatus) *headerStatus = status;
    if (status != DibStatus::Ok) return status;
    return decodeDib(view, header, picture);
}

TEST(DibDecoder, ReadsEveryLayoutPixelForPixel) {
    auto with = [](std::function<void(Layout&)> change) {
        Layout l;
        change(l);
        return l;
    };
    const struct {
        const char* name;
        Layout layout;
    } cases[] = {
        {"24 bits, width 5: rows of 15 bytes stored as 16", with([](Layout& l) { l.width = 5, l.height = 3; })},
        {"24 bits, width 1", with([](Layout& l) { l.width = 1, l.height = 6; })},
        {"24 bits, width 3", with([](Layout& l) { l.width = 3, l.height = 4; })},
        {"24 bits, width 7", with([](Layout& l) { l.width = 7, l.height = 5; })},
        {"32 bits, width 5, fourth byte ignored", with([](Layout& l) { l.width = 5, l.height = 3, l.bits = 32; })},
        {"24 bits, top-down", with([](Layout& l) { l.width = 5, l.height = -4; })},
        {"32 bits, top-down", with([](Layout& l) { l.width = 3, l.height = -7, l.bits = 32; })},
        {"32 bits, masks after a 40-byte header",
         with([](Layout& l) { l.width = 5, l.height = 3, l.bits = 32, l.compression = 3; })},
        {"32 bits, red-first masks inside a 124-byte header", with([](Layout& l) {
             l.width = 6, l.height = -2, l.bits = 32, l.compression = 3, l.headerSize = 124;
             l.masks[0] = 0x000000FF, l.masks[1] = 0x0000FF00, l.masks[2] = 0x00FF0000;
         })},
        {"32 bits, four masks after a 40-byte header",
         with([](Layout& l) { l.width = 4, l.height = 4, l.bits = 32, l.compression = 6; })},
        {"24 bits with a colour table of 2", with([](Layout& l) { l.width = 5, l.height = 4, l.colorsUsed = 2; })},
        {"24 bits, 108-byte header", with([](Layout& l) { l.width = 9, l.height = 2, l.headerSize = 108; })},
        {"bitmap file, rows where its offset says",
         with([](Layout& l) { l.width = 5, l.height = 5, l.asFile = true, l.gapAfterHeader = 6; })},
        {"bitmap file without an offset", with([](Layout& l) { l.width = 7, l.height = -3, l.asFile = true; })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> bytes = makeBitmap(c.layout, 7);
        PicturePtr decoded;
        ASSERT_EQ(decodeExact(bytes, &decoded), DibStatus::Ok);
        PicturePtr expected = oracleRead(c.layout, bytes);
        EXPECT_EQ(firstDifference(expected.get(), decoded.get()), "");
        for (size_t i = 3; i < size_t(decoded->width) * decoded->height * 4; i += 4) ASSERT_EQ(decoded->pixels[i], 255);
    }
}

TEST(DibEncoder, WritesBottomUpPaddedRowsBehindA40ByteHeader) {
    for (int bits : {24, 32}) {
        for (int32_t width : {1, 2, 3, 4, 5, 7, 13}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, width " + std::to_string(width));
            PicturePtr p = busyPicture(width, 3, uint32_t(width));
            const std::vector<uint8_t> dib = encodeDib(*p, bits);
            const size_t stride = (size_t(width) * size_t(bits / 8) + 3) / 4 * 4;
            ASSERT_EQ(dib.size(), 40 + stride * 3);
            EXPECT_EQ(get32(dib, 0), 40u);
            EXPECT_EQ(int32_t(get32(dib, 4)), width);
            EXPECT_EQ(int32_t(get32(dib, 8)), 3) << "positive height: rows bottom to top";
            EXPECT_EQ(dib[12] | dib[13] << 8, 1);
            EXPECT_EQ(dib[14] | dib[15] << 8, bits);
            EXPECT_EQ(get32(dib, 16), 0u);
            EXPECT_EQ(get32(dib, 20), stride * 3);

            Layout l;
            l.width = width, l.height = 3, l.bits = uint16_t(bits);
            EXPECT_EQ(firstDifference(p.get(), oracleRead(l, dib).get()), "");
            const size_t used = size_t(width) * size_t(bits / 8);
            for (size_t row = 0; row < 3; ++row) {
                for (size_t i = used; i < stride; ++i) EXPECT_EQ(dib[40 + row * stride + i], 0) << "padding";
                if (bits == 32)
                    for (size_t x = 0; x < size_t(width); ++x) EXPECT_EQ(dib[40 + row * stride + x * 4 + 3], 255);
            }

            const std::vector<uint8_t> file = encodeBmpFile(*p, bits);
            ASSERT_EQ(file.size(), 14 + dib.size());
            EXPECT_EQ(file[0], 'B');
            EXPECT_EQ(file[1], 'M');
            EXPECT_EQ(get32(file, 2), file.size());
            EXPECT_EQ(get32(file, 10), 54u);
            PicturePtr back;
            ASSERT_EQ(decodeExact(file, &back), DibStatus::Ok);
            EXPECT_EQ(firstDifference(p.get(), back.get()), "");
        }
    }
    Picture empty;
    EXPECT_TRUE(encodeDib(empty).empty());
    EXPECT_TRUE(encodeDib(*busyPicture(4, 4), 16).empty());

    // Rows already in the 32-bit order, with a stride longer than the row.
    PicturePtr p = busyPicture(5, 4, 9);
    std::vector<uint8_t> rows(4 * 24, 0xEE);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            for (int c = 0; c < 3; ++c)
                rows[size_t(y) * 24 + size_t(x) * 4 + size_t(c)] = p->pixels[(y * 5 + x) * 4 + 2 - c];
    const std::vector<uint8_t> topDown = encodeTopDownDib32(5, 4, rows.data(), 24);
    EXPECT_EQ(int32_t(get32(topDown, 8)), -4);
    PicturePtr back;
    ASSERT_EQ(decodeExact(topDown, &back), DibStatus::Ok);
    EXPECT_EQ(firstDifference(p.get(), back.get()), "");
}

TEST(DibDecoder, RefusesHeadersThatLieWithoutReadingPastTheEnd) {
    using Change = std::function<void(std::vector<uint8_t>&)>;
    auto bitmap = [](int32_t w, int32_t h, uint16_t bits, Change change) {
        Layout l;
        l.width = w, l.height = h, l.bits = bits;
        std::vector<uint8_t> b = makeBitmap(l, 3);
        if (change) change(b);
        return b;
    };
    auto header = [](int32_t w, int32_t h, uint16_t bits) {
        std::vector<uint8_t> b(40, 0);
        put32(b, 0, 40);
        put32(b, 4, uint32_t(w));
        put32(b, 8, uint32_t(h));
        put16(b, 14, bits);
        return b;
    };
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        DibStatus header;  // what readDibHeader says
        DibStatus decode;  // what decodeDib then says
    } cases[] = {
        {"no data", {}, DibStatus::NotABitmap, DibStatus::NotABitmap},
        {"39 bytes", std::vector<uint8_t>(39, 0x28), DibStatus::NotABitmap, DibStatus::NotABitmap},
        {"12-byte header", bitmap(4, 4, 24, [](auto& b) { put32(b, 0, 12); }), DibStatus::NotABitmap,
         DibStatus::NotABitmap},
        {"header size past the data", bitmap(4, 4, 24, [](auto& b) { put32(b, 0, uint32_t(b.size() + 1)); }),
         DibStatus::NotABitmap, DibStatus::NotABitmap},
        {"header size 0xFFFFFFFF", bitmap(4, 4, 24, [](auto& b) { put32(b, 0, 0xFFFFFFFFu); }), DibStatus::NotABitmap,
         DibStatus::NotABitmap},
        {"1 bit", header(4, 4, 1), DibStatus::BadDepth, DibStatus::BadDepth},
        {"4 bits", header(4, 4, 4), DibStatus::BadDepth, DibStatus::BadDepth},
        {"8 bits", header(4, 4, 8), DibStatus::BadDepth, DibStatus::BadDepth},
        {"16 bits", header(4, 4, 16), DibStatus::BadDepth, DibStatus::BadDepth},
        {"0 bits", header(4, 4, 0), DibStatus::BadDepth, DibStatus::BadDepth},
        {"64 bits", header(4, 4, 64), DibStatus::BadDepth, DibStatus::BadDepth},
        {"run-length compressed", bitmap(4, 4, 24, [](auto& b) { put32(b, 16, 1); }), DibStatus::BadDepth,
         DibStatus::BadDepth},
        {"JPEG inside", bitmap(4, 4, 24, [](auto& b) { put32(b, 16, 4); }), DibStatus::BadDepth, DibStatus::BadDepth},
        {"masks at 24 bits", bitmap(4, 4, 24, [](auto& b) { put32(b, 16, 3); }), DibStatus::BadDepth,
         DibStatus::BadDepth},
        {"masks not on bytes", bitmap(4, 4, 32, [](auto& b) { put32(b, 16, 3), put32(b, 40, 0x0FF00000); }),
         DibStatus::BadDepth, DibStatus::BadDepth},
        {"overlapping masks",
         bitmap(4, 4, 32, [](auto& b) { put32(b, 16, 3), put32(b, 40, 0xFF), put32(b, 44, 0xFF); }),
         DibStatus::BadDepth, DibStatus::BadDepth},
        {"zero masks",
         bitmap(4, 4, 32, [](auto& b) { put32(b, 16, 3), put32(b, 40, 0), put32(b, 44, 0), put32(b, 48, 0); }),
         DibStatus::BadDepth, DibStatus::BadDepth},
        {"masks past the end",
         [&] {
             auto b = header(1, 1, 32);
             put32(b, 16, 3);
             b.resize(44);
             return b;
         }(),
         DibStatus::Truncated, DibStatus::Truncated},
        {"colour table of 2^32 - 1", bitmap(4, 4, 24, [](auto& b) { put32(b, 32, 0xFFFFFFFFu); }), DibStatus::Truncated,
         DibStatus::Truncated},
        {"height INT_MIN", bitmap(4, 4, 24, [](auto& b) { put32(b, 8, 0x80000000u); }), DibStatus::Ok,
         DibStatus::Truncated},
        {"height INT_MAX", bitmap(4, 4, 32, [](auto& b) { put32(b, 8, 0x7FFFFFFFu); }), DibStatus::Ok,
         DibStatus::Truncated},
        {"width INT_MAX", bitmap(4, 4, 32, [](auto& b) { put32(b, 4, 0x7FFFFFFFu); }), DibStatus::Ok,
         DibStatus::Truncated},
        {"width and height whose product wraps",
         bitmap(4, 4, 32, [](auto& b) { put32(b, 4, 0x40000000u), put32(b, 8, 0x40000001u); }), DibStatus::Ok,
         DibStatus::Truncated},
        {"one byte short of the last pixel", bitmap(5, 3, 24, [](auto& b) { b.resize(b.size() - 2); }), DibStatus::Ok,
         DibStatus::Truncated},
        {"no row at all", header(4, 4, 24), DibStatus::Ok, DibStatus::Truncated},
        {"width 0", bitmap(4, 4, 24, [](auto& b) { put32(b, 4, 0); }), DibStatus::Ok, DibStatus::BadSize},
        {"negative width", bitmap(4, 4, 24, [](auto& b) { put32(b, 4, uint32_t(-4)); }), DibStatus::Ok,
         DibStatus::BadSize},
        {"height 0", bitmap(4, 4, 24, [](auto& b) { put32(b, 8, 0); }), DibStatus::Ok, DibStatus::BadSize},
        {"file offset into the header",
         [&] {
             Layout l;
             l.asFile = true;
             auto b = makeBitmap(l, 1);
             put32(b, 10, 20);
             return b;
         }(),
         DibStatus::Truncated, DibStatus::Truncated},
        {"file offset past the end",
         [&] {
             Layout l;
             l.asFile = true;
             auto b = makeBitmap(l, 1);
             put32(b, 10, 0xFFFFFFF0u);
             return b;
         }(),
         DibStatus::Truncated, DibStatus::Truncated},
        {"file offset leaving too few rows",
         [&] {
             Layout l;
             l.asFile = true;
             auto b = makeBitmap(l, 1);
             put32(b, 10, 14 + 40 + 4);
             return b;
         }(),
         DibStatus::Ok, DibStatus::Truncated},
        {"file header alone",
         {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0},
         DibStatus::NotABitmap,
         DibStatus::NotABitmap},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PicturePtr picture;
        DibStatus headerStatus = DibStatus::Ok;
        EXPECT_EQ(decodeExact(c.bytes, &picture, &headerStatus), c.decode);
        EXPECT_EQ(headerStatus, c.header);
        EXPECT_EQ(picture, nullptr);
    }

    // Only the last row's padding missing: every pixel is there, so it is read.
    PicturePtr picture;
    EXPECT_EQ(decodeExact(bitmap(5, 3, 24, [](auto& b) { b.resize(b.size() - 1); }), &picture), DibStatus::Ok);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 5);
}

}  // namespace

// The clipboard codes straight into memory nobody cleared: whatever that memory held,
// the bytes are those of the vector coders, padding and file header included.
TEST(DibEncoder, CodingIntoUnclearedMemoryWritesEveryByte) {
    for (int bits : {24, 32}) {
        for (int32_t width : {1, 2, 3, 5, 13}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, width " + std::to_string(width));
            PicturePtr p = busyPicture(width, 70, uint32_t(width + bits));
            const std::vector<uint8_t> dib = encodeDib(*p, bits), file = encodeBmpFile(*p, bits);
            ASSERT_EQ(dibSize(*p, bits), dib.size());
            ASSERT_EQ(bmpFileSize(*p, bits), file.size());
            for (uint8_t junk : {uint8_t(0x00), uint8_t(0xA5), uint8_t(0xFF)}) {
                std::vector<uint8_t> into(dib.size(), junk), fileInto(file.size(), junk);
                ASSERT_TRUE(encodeDibInto(*p, bits, into.data()));
                ASSERT_TRUE(encodeBmpFileInto(*p, bits, fileInto.data()));
                EXPECT_EQ(into, dib);
                EXPECT_EQ(fileInto, file);
            }
        }
    }
    EXPECT_EQ(bmpFileSize(Picture{}, 24), 0u);
    EXPECT_FALSE(encodeDibInto(*busyPicture(4, 4), 16, nullptr));
}
