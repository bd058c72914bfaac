#include "seeds_support.h"

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    writeSeed(argv[1], "crlf", "a\r\nbc\r\n;x\r\nk=v\r\n-42\r\n");
    writeSeed(argv[1], "lf", "a\nbc\n\nlast");
    writeSeed(argv[1], "wide", marked(";x\r\nk=v\r\n"));
    writeSeed(argv[1], "long", std::string(600, 'q') + "\r\n" + std::string(300, ';') + "\r\n");
    return 0;
}
