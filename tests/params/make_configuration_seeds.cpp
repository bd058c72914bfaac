// Writes the seed corpus of the configuration reader's fuzzer: a first-run file,
// one with every value and list set, and a few cut and lengthened variants.
#include <filesystem>
#include <fstream>

#include "tests/params/configuration_test_support.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    auto put = [&](const char* name, const std::vector<uint8_t>& b) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    };
    const std::vector<uint8_t> first = OwnConfiguration().bytes();
    const std::vector<uint8_t> full = distinctiveConfiguration().bytes();
    put("first_run.vscfg", first);
    put("distinctive.vscfg", full);
    put("cut_in_lists.vscfg", std::vector<uint8_t>(full.begin(), full.begin() + 240));
    FileBuilder longer;
    longer.raw(full.data(), 26).u16(20).raw(full.data() + 28, full.size() - 28);
    put("long_block.vscfg", longer.bytes);
    return 0;
}
