// Shared by the runtime's fuzz targets: the root bound through HH, and a
// scratch file that each input is written to.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tolvanea/runtime.h"

inline const RuntimeRoot& fuzzRoot() {
    static RuntimeRoot root = [] {
        RuntimeRoot r{};
        r.size = sizeof r;
        HH(&r);
        return r;
    }();
    return root;
}

// A file of this process (removed at exit) holding exactly the given bytes.
inline const std::string& fuzzFile(const uint8_t* data, std::size_t size, const char* tag = "in") {
    static std::string folder = [] {
        char pattern[] = "/tmp/vospren-fuzz-XXXXXX";
        std::string made = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
        return made;
    }();
    static std::string path;
    path = folder + "/" + tag;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        std::size_t done = 0;
        while (done < size) {
            ssize_t put = ::write(fd, data + done, size - done);
            if (put <= 0) break;
            done += static_cast<std::size_t>(put);
        }
        ::close(fd);
    }
    return path;
}
