// Any bytes as a configuration file: the reader stays inside its buffers, makes no
// list entry the input does not hold, and what it loaded saves and loads back to
// the same values.
#include <cstdint>
#include <cstdlib>

#include "tests/params/configuration_test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    OwnConfiguration c;
    if (readConfiguration(data, size, c.refs()) != ConfigurationLoad::Loaded) return 0;
    size_t listed = 0;
    for (const auto* list : {&c.circleMix.mixFiles, &c.tag.tagFiles, &c.tagInsert.insertHistory})
        for (const std::string& entry : *list) listed += 2 + entry.size();
    if (listed > size) std::abort();
    const std::vector<uint8_t> saved = c.bytes();
    OwnConfiguration again;
    if (readConfiguration(saved.data(), saved.size(), again.refs()) != ConfigurationLoad::Loaded) std::abort();
    if (again.bytes() != saved) std::abort();
    return 0;
}
