// Writes the manual page of vospren-cli at build time: vospren-cli-manpage OUT.1
#include <fstream>
#include <iostream>

#include "cli/manual_page.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vospren-cli-manpage OUT.1\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    printManualPage(out, VOSPREN_VERSION);
    out.close();
    if (!out) {
        std::cerr << "vospren-cli-manpage: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
