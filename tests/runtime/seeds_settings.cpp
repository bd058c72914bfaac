#include "seeds_support.h"

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    writeSeed(argv[1], "basic", "; comment\r\nname=Value=2\r\nSize = 5\r\n");
    writeSeed(argv[1], "typed", "COUNT=7\r\nFLAG=1\r\nWHERE=-3,40\r\nINK=FF8000\r\n");
    writeSeed(argv[1], "odd", "noequals\r\n=v\r\nk=\r\n\r\n;\r\na=b\nc=d\re=f");
    writeSeed(argv[1], "long", std::string(300, 'k') + "=" + std::string(300, 'v') + "\r\n");
    return 0;
}
