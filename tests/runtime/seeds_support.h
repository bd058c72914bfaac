// Writes named seed files into the folder given on the command line.
#pragma once

#include <fstream>
#include <string>

inline void writeSeed(const char* folder, const std::string& name, const std::string& bytes) {
    std::ofstream out(std::string(folder) + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string marked(const std::string& narrow) {
    std::string bytes("\xFE\xFF\x00", 3);
    for (char c : narrow) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}
