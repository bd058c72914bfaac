#include "runtime_host.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const FileTable& files() { return *runtimeRoot().fileTable; }

// A file with the given bytes, opened for reading (closed by the caller).
RtHandle openWith(const std::string& bytes) {
    std::string path = scratchFolder() + "lines.txt";
    writeWholeFile(path, bytes);
    RtHandle file = files().openForReading(path.c_str(), 0);
    EXPECT_NE(file, RT_INVALID_HANDLE);
    return file;
}

std::u16string u16(const char* narrow) {
    std::u16string out;
    for (const char* p = narrow; *p != '\0'; ++p) out.push_back(static_cast<unsigned char>(*p));
    return out;
}

const RtWide* units(const std::u16string& s) { return reinterpret_cast<const RtWide*>(s.c_str()); }

std::u16string asU16(const RtWide* text) { return std::u16string(reinterpret_cast<const char16_t*>(text)); }

TEST(FileLines, ReadLineDropsTheByteAfterEveryLineEnd) {
    RtHandle file = openWith("a\nbc\n");
    char line[256];
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_STREQ(line, "a");
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_STREQ(line, "c");
    EXPECT_EQ(files().readLine(file, line), 0);
    EXPECT_STREQ(line, "");
    files().closeFile(file);
}

TEST(FileLines, LastLineWithoutLineEnd) {
    RtHandle file = openWith("one\r\nlast");
    char line[256];
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_STREQ(line, "one");
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_STREQ(line, "last");
    EXPECT_EQ(files().readLine(file, line), 0);
    EXPECT_STREQ(line, "");
    files().closeFile(file);

    file = openWith("x\ny\r\nlast");
    EXPECT_EQ(files().readLineUntilCR(file, line), 1);
    EXPECT_STREQ(line, "xy");  // LF is skipped, only CR ends a line
    EXPECT_EQ(files().readLineUntilCR(file, line), 0);
    EXPECT_STREQ(line, "last");  // gathered, yet false at the end of the file
    files().closeFile(file);
}

TEST(FileLines, NullBufferReadsAndDrops) {
    RtHandle file = openWith("skip\r\nkeep\r\n");
    EXPECT_EQ(files().readLine(file, nullptr), 1);
    char line[256];
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_STREQ(line, "keep");
    files().closeFile(file);
}

TEST(FileLines, OverlongLinesAreCutNotSplit) {
    std::string longLine(400, 'q');
    RtHandle file = openWith(longLine + "\r\nnext\r\n");
    char line[300];
    std::memset(line, '#', sizeof line);
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_EQ(std::string(line), std::string(255, 'q'));
    EXPECT_EQ(line[256], '#');  // nothing past the 256 bytes the caller provides
    EXPECT_EQ(files().readLine(file, line), 1);
    EXPECT_STREQ(line, "next");
    files().closeFile(file);

    std::string wideBytes;
    for (int i = 0; i < 300; ++i) wideBytes += std::string("w\0", 2);
    wideBytes += std::string("\r\0\n\0", 4);
    file = openWith(wideBytes + std::string("z\0\r\0\n\0", 6));
    RtWide wideLine[300];
    EXPECT_EQ(files().readWideLine(file, wideLine), 1);
    EXPECT_EQ(asU16(wideLine), std::u16string(255, u'w'));
    EXPECT_EQ(files().readWideLine(file, wideLine), 1);
    EXPECT_EQ(asU16(wideLine), u"z");
    files().closeFile(file);
}

TEST(FileLines, SettingLinesSkipComments) {
    RtHandle file = openWith(";x\r\nk=v\r\n");
    char line[256];
    EXPECT_EQ(files().readSettingLine(file, line), 1);
    EXPECT_STREQ(line, "k=v");
    files().closeFile(file);

    file = openWith(std::string(";\0c\0\r\0\n\0k\0\r\0\n\0", 14));
    RtWide wideLine[256];
    EXPECT_EQ(files().readWideSettingLine(file, wideLine), 1);
    EXPECT_EQ(asU16(wideLine), u"k");
    files().closeFile(file);
}

TEST(FileLines, NumberLines) {
    std::string path = scratchFolder() + "numbers.txt";
    RtHandle file = files().createForWriting(path.c_str(), 0);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    EXPECT_NE(files().writeNumberLine(file, -42), 0);
    EXPECT_NE(files().writeNumberLine(file, 2147483647), 0);
    EXPECT_NE(files().writeLine(file, "  17abc"), 0);
    EXPECT_NE(files().writeLine2(file, "99999999999"), 0);
    files().closeFile(file);
    EXPECT_EQ(readWholeFile(path), "-42\r\n2147483647\r\n  17abc\r\n99999999999\r\n");

    file = files().openForReading(path.c_str(), 0);
    EXPECT_EQ(files().readNumberLine(file), -42);
    EXPECT_EQ(files().readNumberLine(file), 2147483647);
    EXPECT_EQ(files().readNumberLine(file), 17);
    EXPECT_EQ(files().readNumberLine(file), 2147483647);  // saturates
    EXPECT_EQ(files().readNumberLine(file), 0);
    files().closeFile(file);
}

TEST(FileText, MarkedTextRoundTrip) {
    std::string path = scratchFolder() + "wide.txt";
    RtHandle file = files().createTextForWriting(path.c_str(), 1);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    std::u16string first = u"h\u00e9llo";
    files().writeWideLine(file, units(first));
    files().writeTextLine(file, units(first), 1);
    files().writeTextLine(file, units(u16("\xE9")), 0);
    files().closeFile(file);
    EXPECT_EQ(readWholeFile(path), std::string("\xFE\xFF\x00"
                                               "h\0\xE9\0l\0l\0o\0\r\0\n\0"
                                               "h\0\xE9\0l\0l\0o\0\r\0\n\0"
                                               "\xE9\r\n",
                                               3 + 14 + 14 + 3));

    RtBool marker = 0;
    file = files().openTextForReading(path.c_str(), &marker);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    EXPECT_EQ(marker, 1);
    RtWide line[256];
    EXPECT_EQ(files().readWideLine(file, line), 1);
    EXPECT_EQ(asU16(line), first);
    files().closeFile(file);
}

TEST(FileText, UnmarkedTextStartsAtZero) {
    std::string path = scratchFolder() + "bom.txt";
    writeWholeFile(path, std::string("\xFF\xFE"
                                     "a\0",
                                     4));
    RtBool marker = 1;
    RtHandle file = files().openTextForReading(path.c_str(), &marker);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    EXPECT_EQ(marker, 0);
    unsigned char bytes[2];
    EXPECT_EQ(files().readBytes(file, bytes, 2), 0);
    EXPECT_EQ(bytes[0], 0xFF);
    files().closeFile(file);

    marker = 1;
    EXPECT_EQ(files().openTextForReading((path + ".missing").c_str(), &marker), RT_INVALID_HANDLE);
    EXPECT_EQ(marker, 0);

    // Unmarked text written without the marker.
    std::string plain = scratchFolder() + "plain.txt";
    file = files().createTextForWriting(plain.c_str(), 0);
    files().writeLine(file, "x");
    files().closeFile(file);
    EXPECT_EQ(readWholeFile(plain), "x\r\n");
}

TEST(FileRaw, ReadBytesAnswersInverted) {
    RtHandle file = openWith("0123456789");
    char buffer[16];
    EXPECT_EQ(files().seekFromStart(file, 6), 6u);
    EXPECT_EQ(files().readBytes(file, buffer, 10), 1);  // only 4 bytes left
    EXPECT_EQ(files().rewindFile(file), 0u);
    EXPECT_EQ(files().readBytes(file, buffer, 10), 0);
    EXPECT_EQ(files().seekFromCurrent(file, -3), 7u);
    EXPECT_EQ(files().fileSize(file), 10u);
    EXPECT_EQ(files().seekFromStart(file, -1), 0xFFFFFFFFu);
    EXPECT_NE(files().closeFile(file), 0);
    EXPECT_EQ(files().fileSize(file), 0xFFFFFFFFu);  // closed handle
    EXPECT_EQ(files().closeFile(RT_INVALID_HANDLE), 0);
}

TEST(FileOpen, BaseFolderAndItsLimit) {
    std::string folder = scratchFolder();
    files().setBaseFolder(folder.c_str());
    RtHandle file = files().createForWriting("based.txt", 1);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    const char bytes[] = "abc";
    EXPECT_NE(files().writeBytes(file, bytes, 3), 0);
    files().closeFile(file);
    EXPECT_EQ(readWholeFile(folder + "based.txt"), "abc");
    file = files().openForReading("based.txt", 1);
    EXPECT_NE(file, RT_INVALID_HANDLE);
    files().closeFile(file);
    EXPECT_EQ(files().openForReading("based.txt", 0), RT_INVALID_HANDLE);  // not in the working folder

    std::string longName(256 - folder.size(), 'n');
    EXPECT_EQ(files().openForReading(longName.c_str(), 1), RT_INVALID_HANDLE);
    EXPECT_EQ(files().createForWriting(longName.c_str(), 1), RT_INVALID_HANDLE);
    files().setBaseFolder("");
}

TEST(FileOpen, NoSharingIsEnforcedBetweenOpeners) {
    std::string path = scratchFolder() + "locked.txt";
    writeWholeFile(path, "data");
    RtHandle first = files().openForReading(path.c_str(), 0);
    ASSERT_NE(first, RT_INVALID_HANDLE);
    EXPECT_EQ(files().openForReading(path.c_str(), 0), RT_INVALID_HANDLE);
    // The failed create reports itself (here on standard error) and leaves the file alone.
    EXPECT_EQ(files().createForWriting(path.c_str(), 0), RT_INVALID_HANDLE);
    EXPECT_EQ(readWholeFile(path), "data");
    files().closeFile(first);

    // Readers that share reading coexist; a writer excludes them.
    RtHandle a = files().openTextForReading(path.c_str(), nullptr);
    RtHandle b = files().openTextForReading(path.c_str(), nullptr);
    EXPECT_NE(a, RT_INVALID_HANDLE);
    EXPECT_NE(b, RT_INVALID_HANDLE);
    EXPECT_EQ(files().openForAppending(path.c_str(), 1), RT_INVALID_HANDLE);
    files().closeFile(a);
    files().closeFile(b);
}

TEST(FileOpen, APipeWithoutWriterDoesNotHang) {
    std::string path = scratchFolder() + "pipe";
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    RtHandle file = files().openForReading(path.c_str(), 0);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    char line[256];
    EXPECT_EQ(files().readLine(file, line), 0);
    files().closeFile(file);
}

TEST(FileOpen, AppendingCreatesAndAppends) {
    std::string path = scratchFolder() + "log.txt";
    RtHandle file = files().openForAppending(path.c_str(), 0);
    ASSERT_NE(file, RT_INVALID_HANDLE);
    files().writeLine(file, "one");
    files().closeFile(file);
    file = files().openForAppending(path.c_str(), 1);
    files().writeLine(file, "two");
    files().closeFile(file);
    EXPECT_EQ(readWholeFile(path), "one\r\ntwo\r\n");
}

TEST(FilePaths, SplittingAndTemporaryPath) {
    char out[260];
    EXPECT_EQ(files().folderOfPath("C:\\a\\b.txt", out), 1);
    EXPECT_STREQ(out, "C:\\a\\");
    files().fileNameOfPath("C:\\a\\b.txt", out);
    EXPECT_STREQ(out, "b.txt");
    files().baseNameOfPath("C:\\a\\b.txt", out);
    EXPECT_STREQ(out, "b");
    files().extensionOfPath("C:\\a\\b.txt", out);
    EXPECT_STREQ(out, ".txt");
    files().extensionOfPath("/x.y/readme", out);
    EXPECT_STREQ(out, "");
    files().folderOfPath("/x.y/archive.tar.gz", out);
    EXPECT_STREQ(out, "/x.y/");
    files().baseNameOfPath("/x.y/archive.tar.gz", out);
    EXPECT_STREQ(out, "archive.tar");

    std::string longFolder = "/" + std::string(300, 'd') + "/f.txt";
    std::strcpy(out, "untouched");
    EXPECT_EQ(files().folderOfPath(longFolder.c_str(), out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(files().fileNameOfPath(longFolder.c_str(), out), 1);
    EXPECT_STREQ(out, "f.txt");

    const char* saved = std::getenv("TMPDIR");
    std::string keep = saved != nullptr ? saved : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(files().tempFilePath(out, "t.bmp"), 1);
    EXPECT_STREQ(out, "/var/tmp//t.bmp");
    std::string longName(300, 't');
    EXPECT_EQ(files().tempFilePath(out, longName.c_str()), 0);
    if (saved != nullptr)
        setenv("TMPDIR", keep.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

TEST(FileDialogs, CancelledWithoutAnApplication) {
    char out[260] = "unchanged";
    EXPECT_EQ(files().chooseFileToOpen(nullptr, "JPEG\0*.jpg\0", out), 0);
    EXPECT_EQ(files().chooseFileToOpen2(nullptr, "JPEG\0*.jpg\0", out), 0);
    EXPECT_EQ(files().chooseFileToSave(nullptr, "JPEG\0*.jpg\0", out), 0);
    EXPECT_EQ(files().browseForFolder(nullptr, "/tmp", out), 0);
    EXPECT_STREQ(out, "unchanged");
}

}  // namespace
