// The three lists of vospren-cli's steps, --help, the manual page and README, all
// say what the step table holds, whatever steps it holds.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "cli/command_line.h"
#include "cli/manual_page.h"
#include "cli/step_table.h"

namespace {

std::set<std::string> tableUsages() {
    std::set<std::string> usages;
    for (const Step& s : stepTable().steps()) usages.insert(s.usage);
    return usages;
}

// The usages in README's list of steps: the first indented block of the
// "## vospren-cli" section, one step a line as "    USAGE  description", with
// deeper-indented lines continuing a description.
std::set<std::string> readmeUsages(std::istream& readme) {
    std::set<std::string> usages;
    std::string line;
    bool inSection = false;
    bool inBlock = false;
    while (std::getline(readme, line)) {
        if (line.rfind("## ", 0) == 0) {
            if (inSection) break;
            inSection = line == "## vospren-cli";
            continue;
        }
        if (!inSection || line.empty()) continue;
        const bool indented = line.rfind("    ", 0) == 0;
        if (!indented) {
            if (inBlock) break;
            continue;
        }
        inBlock = true;
        if (line[4] == ' ') continue;  // a continued description
        std::string usage = line.substr(4, line.find("  ", 4) - 4);
        while (!usage.empty() && usage.back() == ' ') usage.pop_back();
        usages.insert(usage);
    }
    return usages;
}

// The manual page as plain text: font changes gone, escaped minus signs as typed.
std::string plainRoff(std::string page) {
    for (const char* font : {"\\fB", "\\fI", "\\fR"})
        for (size_t at = page.find(font); at != std::string::npos; at = page.find(font, at)) page.erase(at, 3);
    for (size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at)) page.erase(at, 1);
    return page;
}

std::string difference(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::string out;
    for (const std::string& s : a)
        if (!b.count(s)) out += "\n  " + s;
    return out;
}

}  // namespace

TEST(StepListings, ReadmeListsExactlyTheStepsOfTheTable) {
    std::ifstream readme(VOSPREN_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme.good());
    const std::set<std::string> readmeSteps = readmeUsages(readme);
    const std::set<std::string> table = tableUsages();
    EXPECT_FALSE(table.empty());
    EXPECT_TRUE(difference(table, readmeSteps).empty()) << "README misses:" << difference(table, readmeSteps);
    EXPECT_TRUE(difference(readmeSteps, table).empty())
        << "README lists, the table has not:" << difference(readmeSteps, table);

    // The reader itself: continuation lines and the example after the list are not steps.
    std::istringstream sample(
        "## vospren-cli\n\nintro:\n\n    seed N   text\n                      more text\n    new W H\n\n"
        "    render-connectable  x\nExample:\n\n    vospren-cli seed 1\n## Next\n    other X\n");
    EXPECT_EQ(readmeUsages(sample), (std::set<std::string>{"seed N", "new W H", "render-connectable"}));
}

TEST(StepListings, HelpAndManualPageListEveryStepAndOption) {
    std::ostringstream help;
    printHelp(help);
    std::ostringstream manual;
    printManualPage(manual, "9.9");
    const std::string page = plainRoff(manual.str());
    EXPECT_EQ(page.rfind(".TH VOSPREN-CLI 1 \"\" \"vospren 9.9\"", 0), 0u) << page.substr(0, 60);
    for (const Step& s : stepTable().steps()) {
        EXPECT_NE(help.str().find("  " + s.usage + "  "), std::string::npos) << s.usage;
        EXPECT_NE(page.find(".TP\n" + s.usage + "\n" + s.help + "\n"), std::string::npos) << s.usage;
    }
    for (const CommandLineOption& o : commandLineOptions()) {
        EXPECT_NE(help.str().find("  " + o.usage + "  "), std::string::npos) << o.usage;
        EXPECT_NE(help.str().find(o.help + "\n"), std::string::npos) << o.usage;
        EXPECT_NE(page.find(".TP\n" + o.usage + "\n" + o.help + "\n"), std::string::npos) << o.usage;
    }
    // No line of the page may start a request by accident.
    std::istringstream lines(manual.str());
    std::string line;
    while (std::getline(lines, line))
        if (!line.empty() && line[0] == '\'') ADD_FAILURE() << line;
}
