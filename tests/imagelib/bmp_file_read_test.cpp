// The bitmap reader's own file reads, below the library's entry points: a file that
// turns out shorter than the size taken before reading it (cut while being read).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bmp_decoder.h"
#include "sample_files.h"

namespace {

BmpFileResult decodeCut(const Bytes& file, size_t keep, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return BmpFileResult::needsWholeFile;
    std::fwrite(file.data(), 1, keep, f);
    std::fclose(f);
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return BmpFileResult::needsWholeFile;
    DecodedImage out;
    const size_t head = std::min(file.size(), kBmpHeadBytes);
    const BmpFileResult result = decodeBmpFile(fd, file.size(), file.data(), head, 3, &out);
    ::close(fd);
    releaseDecoded(out);
    return result;
}

}  // namespace

TEST(BmpFileRead, RowsMissingFromTheFileAreRefusedWherePixelsWereToComeFrom) {
    BmpLayout s;
    s.width = 1003;
    s.height = 900;  // many rows: several bands, each reading several chunks
    s.bpp = 24;
    s.pixels = Bytes(size_t((s.width * 3 + 3) / 4 * 4) * size_t(s.height), 0x5A);
    const Bytes file = makeBmp(s);
    const std::string path = ::testing::TempDir() + "cut.bmp";
    ASSERT_EQ(decodeCut(file, file.size(), path), BmpFileResult::decoded) << "the whole file";
    // Cut in the last row, half way, and right after the head: every read past the end
    // comes back short, and the picture is refused rather than left with rows unread.
    for (size_t keep : {file.size() - 1, file.size() / 2, kBmpHeadBytes})
        EXPECT_EQ(decodeCut(file, keep, path), BmpFileResult::refused) << "cut to " << keep;
    std::remove(path.c_str());
}
