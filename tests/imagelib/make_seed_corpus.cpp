// Writes the fuzzers' seed files: one small file of every kind the decoders meet,
// into <folder>/png, <folder>/jpeg and <folder>/bmp.
#include <cstdio>
#include <filesystem>

#include "sample_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    const struct {
        const char* folder;
        std::vector<NamedSample> samples;
    } groups[] = {{"png", pngSamples()}, {"jpeg", jpegSamples()}, {"bmp", bmpSamples()}};
    for (const auto& group : groups) {
        std::filesystem::create_directories(root / group.folder);
        for (const NamedSample& s : group.samples) {
            if (!writeBytes((root / group.folder / s.name).string(), s.bytes)) {
                std::fprintf(stderr, "cannot write %s\n", s.name.c_str());
                return 1;
            }
        }
    }
    return 0;
}
