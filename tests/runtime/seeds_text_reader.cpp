#include "seeds_support.h"

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    // First byte: line capacity; second: piece size of the source.
    writeSeed(argv[1], "narrow", std::string("\x20\x05", 2) + ";x\r\nk=v\r\n\r\nlast");
    writeSeed(argv[1], "wide", std::string("\x10\x03", 2) + marked(";x\r\nk=v\r\n\r\n"));
    writeSeed(argv[1], "odd",
              std::string("\x01\x01", 2) + std::string("\xFE\xFF\x00"
                                                       "A\0B",
                                                       6));
    writeSeed(argv[1], "long", std::string("\x08\x10", 2) + std::string(200, 'z') + "\n\r\n;;;a");
    return 0;
}
