#include "runtime_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const TextReaderTable& readers() { return *runtimeRoot().textReaderTable; }

std::u16string asU16(const RtWide* text) { return std::u16string(reinterpret_cast<const char16_t*>(text)); }

std::string utf16Marked(const std::string& narrow) {
    std::string bytes("\xFE\xFF\x00", 3);
    for (char c : narrow) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

// Every line the reader gives, until it reports false.
std::vector<std::u16string> allLines(TextReader* reader, int32_t capacity = 256) {
    std::vector<std::u16string> lines;
    std::vector<RtWide> buffer(static_cast<std::size_t>(capacity) + 1, 0x7777);
    while (readers().readReaderLine(reader, buffer.data(), capacity)) {
        lines.push_back(asU16(buffer.data()));
        EXPECT_EQ(buffer[static_cast<std::size_t>(capacity)], 0x7777);  // never past capacity
        if (lines.size() > 100000) break;
    }
    return lines;
}

// A function-mode source over a string, delivering at most `piece` bytes a call.
struct MemorySource {
    std::string bytes;
    int32_t piece = 1 << 30;
    int calls = 0;
};

RtBool memoryFill(RtWord context, int32_t sourceOffset, void* buffer, int32_t size, int32_t* got) {
    auto* source = reinterpret_cast<MemorySource*>(context);
    ++source->calls;
    int32_t available = std::max<int32_t>(0, static_cast<int32_t>(source->bytes.size()) - sourceOffset);
    *got = std::min({size, available, source->piece});
    std::copy_n(source->bytes.data() + sourceOffset, *got, static_cast<char*>(buffer));
    return 1;
}

TextReader* openMemory(MemorySource& source) {
    return readers().openReader(reinterpret_cast<const void*>(&memoryFill), 0, RT_READER_FUNCTION_MODE,
                                reinterpret_cast<RtWord>(&source));
}

TextReader* openFile(const std::string& bytes) {
    std::string path = scratchFolder() + "reader.txt";
    writeWholeFile(path, bytes);
    return readers().openReader(path.c_str(), 0, 0, 0);
}

const std::vector<std::u16string> kExpected = {u"x", u"k=v"};

TEST(TextReader, LinesCollapseAndLoseLeadingSemicolons) {
    TextReader* reader = openFile(";x\r\nk=v\r\n\r\n");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(allLines(reader), kExpected);
    EXPECT_EQ(readers().closeReader(reader), 1);

    reader = openFile(utf16Marked(";x\r\nk=v\r\n\r\n"));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(allLines(reader), kExpected);
    readers().closeReader(reader);

    reader = openFile(";;;a;b\n\n\r\rlast");
    EXPECT_EQ(allLines(reader), (std::vector<std::u16string>{u"a;b", u"last"}));
    readers().closeReader(reader);

    EXPECT_EQ(readers().openReader((scratchFolder() + "missing").c_str(), 0, 0, 0), nullptr);
}

TEST(TextReader, LongLinesAreCutAndTheRestSkipped) {
    TextReader* reader = openFile(std::string(50, 'a') + "\r\nb\r\n");
    EXPECT_EQ(allLines(reader, 10), (std::vector<std::u16string>{std::u16string(9, u'a'), u"b"}));
    readers().closeReader(reader);

    // Nothing is stored without room for the terminator.
    reader = openFile("abc\r\ndef");
    RtWide untouched = 0x5555;
    EXPECT_EQ(readers().readReaderLine(reader, &untouched, 0), 1);
    EXPECT_EQ(untouched, 0x5555);
    EXPECT_EQ(readers().readReaderLine(reader, nullptr, 100), 1);
    EXPECT_EQ(readers().readReaderLine(reader, &untouched, 1), 0);
    readers().closeReader(reader);
}

TEST(TextReader, FunctionModeAcrossBlockBoundaries) {
    // Lines straddle the 64 KiB blocks; the source also delivers odd-sized pieces.
    std::string text;
    std::vector<std::u16string> expected;
    for (int i = 0; text.size() < 200000; ++i) {
        std::string line = "line" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), '-');
        text += line + "\r\n";
        expected.emplace_back(line.begin(), line.end());
    }
    for (int32_t piece : {1 << 30, 65535, 4097}) {
        MemorySource narrow{text, piece};
        TextReader* reader = openMemory(narrow);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(allLines(reader), expected) << "piece " << piece;
        readers().closeReader(reader);

        MemorySource wide{utf16Marked(text), piece};
        reader = openMemory(wide);
        EXPECT_EQ(allLines(reader), expected) << "wide, piece " << piece;
        readers().closeReader(reader);
    }

    TextReader* reader = openFile(utf16Marked(text));
    EXPECT_EQ(allLines(reader), expected);
    readers().closeReader(reader);
}

TEST(TextReader, CharactersAndShortSources) {
    MemorySource tiny{"ab"};
    TextReader* reader = openMemory(tiny);
    RtBool got = 0;
    EXPECT_EQ(readers().readReaderChar(reader, &got), 'a');
    EXPECT_EQ(got, 1);
    EXPECT_EQ(readers().readReaderChar(reader, &got), 'b');
    EXPECT_EQ(readers().readReaderChar(reader, &got), 0);
    EXPECT_EQ(got, 0);
    readers().closeReader(reader);

    MemorySource wide{utf16Marked("\xE9z")};
    reader = openMemory(wide);
    EXPECT_EQ(readers().readReaderChar(reader, &got), 0x00E9);
    EXPECT_EQ(readers().readReaderChar(reader, &got), 'z');
    readers().readReaderChar(reader, &got);
    EXPECT_EQ(got, 0);
    readers().closeReader(reader);

    // A marker alone is not taken for text; an odd last byte comes out alone.
    MemorySource odd{
        std::string("\xFE\xFF\x00"
                    "A\0B",
                    6)};
    reader = openMemory(odd);
    EXPECT_EQ(readers().readReaderChar(reader, &got), 'A');
    EXPECT_EQ(readers().readReaderChar(reader, &got), 'B');
    EXPECT_EQ(got, 1);
    readers().readReaderChar(reader, &got);
    EXPECT_EQ(got, 0);
    readers().closeReader(reader);
}

TEST(TextReader, ResetDiscardsTheCurrentBlock) {
    MemorySource source{std::string(40, 'x') + "\r\n" + std::string(58, 'y')};
    TextReader* reader = openMemory(source);
    RtWide line[128];
    EXPECT_EQ(readers().readReaderLine(reader, line, 128), 1);
    EXPECT_EQ(readers().resetReader(reader), 1);
    EXPECT_EQ(readers().readReaderLine(reader, line, 128), 0);
    readers().closeReader(reader);
}

TEST(TextReader, HostileFillCountsAreClamped) {
    struct Liar {
        static RtBool fill(RtWord, int32_t sourceOffset, void* buffer, int32_t size, int32_t* got) {
            std::fill_n(static_cast<char*>(buffer), size, 'q');
            *got = sourceOffset == 0 ? size * 4 : -7;  // more than asked, then negative
            return 1;
        }
    };
    TextReader* reader =
        readers().openReader(reinterpret_cast<const void*>(&Liar::fill), 0, RT_READER_FUNCTION_MODE, 0);
    ASSERT_NE(reader, nullptr);
    std::vector<RtWide> line(70000);
    EXPECT_EQ(readers().readReaderLine(reader, line.data(), 70000), 1);
    EXPECT_EQ(asU16(line.data()).size(), 65536u);
    EXPECT_EQ(readers().readReaderLine(reader, line.data(), 70000), 0);
    readers().closeReader(reader);
}

}  // namespace
