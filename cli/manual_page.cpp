#include "cli/manual_page.h"

#include <ostream>
#include <sstream>

#include "cli/command_line.h"
#include "cli/step_table.h"

namespace {

// Text that roff must not take for a request or an escape.
std::string roffText(const std::string& text) {
    std::string out;
    for (char ch : text) out += ch == '\\' ? std::string("\\e") : std::string(1, ch);
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

// Words typed as they stand: hyphens stay ASCII minus signs for copying.
std::string roffLiteral(const std::string& text) {
    std::string out;
    for (char ch : roffText(text)) out += ch == '-' ? std::string("\\-") : std::string(1, ch);
    return out;
}

// "circles RAYMIN RAYMAX COUNT" as a bold word followed by italic arguments.
std::string usageLine(const std::string& usage) {
    std::istringstream words(usage);
    std::string word;
    std::string line;
    bool first = true;
    while (words >> word) {
        line += first ? "\\fB" + roffLiteral(word) + "\\fR" : " \\fI" + roffLiteral(word) + "\\fR";
        first = false;
    }
    return line;
}

}  // namespace

void printManualPage(std::ostream& out, const std::string& version) {
    out << ".TH VOSPREN\\-CLI 1 \"\" \"vospren " << roffText(version) << "\" \"User Commands\"\n"
        << ".SH NAME\n"
           "vospren\\-cli \\- make connectable pictures in batch\n"
           ".SH SYNOPSIS\n"
           ".B vospren\\-cli\n"
           "[\\fB\\-\\-imagelib\\fR \\fIPATH\\fR] \\fISTEP\\fR [\\fIARGS\\fR...] [\\fISTEP\\fR [\\fIARGS\\fR...]]...\n"
           ".br\n"
           ".B vospren\\-cli \\-\\-help\n"
           ".SH DESCRIPTION\n"
           "\\fBvospren\\-cli\\fR runs the operations of \\fBvospren\\fR(1) in batch, so that connectable\n"
           "pictures (pictures whose opposite edges join without a seam) can be made in scripts\n"
           "and reproduced to the last pixel. It takes a list of steps and runs them left to right\n"
           "on one current picture; each step is a word and a fixed number of arguments.\n"
           ".PP\n"
           "The whole line is checked before anything runs. Numbers are whole decimal numbers\n"
           "with an optional sign, within 32 bits (\\fBseed\\fR takes 64 bits and uses the low 32).\n"
           "Colours are six hexadecimal digits, red first. A \\fICOUNT\\fR of 0 or less draws until\n"
           "Ctrl+C, which stops the current step; the later steps still run. A second Ctrl+C before\n"
           "the first was taken ends the program. When standard error is a terminal, the number of\n"
           "shapes drawn is shown there.\n"
           ".SH STEPS\n";
    for (const Step& s : stepTable().steps()) {
        out << ".TP\n" << usageLine(s.usage) << '\n' << roffText(s.help) << '\n';
    }
    out << ".SH OPTIONS\n";
    for (const CommandLineOption& o : commandLineOptions())
        out << ".TP\n" << usageLine(o.usage) << '\n' << roffText(o.help) << '\n';
    out << ".SH EXIT STATUS\n"
           ".TP\n.B 0\nevery step ran.\n"
           ".TP\n.B 1\nan operation was refused (no picture yet, a picture under 4 x 4, a file that cannot be\n"
           "read or written); its message was shown and the steps before it have run.\n"
           ".TP\n.B 2\nthe command line is wrong; nothing ran.\n"
           ".SH EXAMPLES\n"
           "A 512 x 512 tile of translucent discs and strokes, the same every time:\n"
           ".PP\n"
           ".nf\n"
           ".RS\n"
           "vospren\\-cli seed 42 new 512 512 mix 60 100 circles 8 32 400 \\e\n"
           "    vectors 8 256 8 48 100 1 save tile.png\n"
           ".RE\n"
           ".fi\n"
           ".SH FILES\n"
           "The image library \\fIlibpelgrast.so\\fR is searched for beside the program, then in the\n"
           "program's install library folder, then by the system's usual search.\n"
           ".SH SEE ALSO\n"
           "\\fBvospren\\fR(1)\n";
}
