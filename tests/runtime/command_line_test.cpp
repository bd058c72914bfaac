// Options come from the process's own command line, so they are checked in a
// child process: the plain C host, started with the arguments under test.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Answer {
    int has = -1;
    int isTrue = -1;
    int found = -1;
    std::string value;
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::map<std::string, Answer> runHost(const std::vector<std::string>& args, const std::string& queries) {
    std::string command = "RUNTIME_LIBRARY=" + quoted(RUNTIME_LIBRARY_PATH) + " RUNTIME_QUERIES=" + quoted(queries) +
                          " " + quoted(RUNTIME_C_HOST_PATH);
    for (const std::string& arg : args) command += " " + quoted(arg);
    std::map<std::string, Answer> answers;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return answers;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        // name|has|true|found|value
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (int i = 0; i < 4; ++i) {
            std::size_t bar = text.find('|', start);
            fields.push_back(text.substr(start, bar - start));
            start = bar + 1;
        }
        fields.push_back(text.substr(start));
        answers[fields[0]] = Answer{std::stoi(fields[1]), std::stoi(fields[2]), std::stoi(fields[3]), fields[4]};
    }
    EXPECT_EQ(pclose(pipe), 0);
    return answers;
}

TEST(CommandLineOptions, OptionsOfARealProcess) {
    auto answers = runHost({"/mode", "fast", "/debug"}, "/mode,/debug,mode,/absent");
    EXPECT_EQ(answers["/mode"].found, 1);
    EXPECT_EQ(answers["/mode"].value, "fast");
    EXPECT_EQ(answers["/mode"].isTrue, 0);
    EXPECT_EQ(answers["/debug"].has, 1);
    EXPECT_EQ(answers["/debug"].value, "");
    EXPECT_EQ(answers["mode"].found, 0);  // the '/' is part of the name
    EXPECT_EQ(answers["mode"].has, 0);
    EXPECT_EQ(answers["/absent"].has, 0);
}

TEST(CommandLineOptions, TrueFlagsValuesAndCase) {
    auto answers = runHost({"loose", "/a", "TRUE", "/b", "true", "/c", "/d", "/A", "x"}, "/a,/b,/c,/A,/d,loose");
    EXPECT_EQ(answers["/a"].isTrue, 1);
    EXPECT_EQ(answers["/b"].isTrue, 1);
    // An option followed by an option takes it as its value, and it is still an option.
    EXPECT_EQ(answers["/c"].value, "/d");
    EXPECT_EQ(answers["/d"].has, 1);
    EXPECT_EQ(answers["/A"].value, "x");  // names are case-sensitive
    EXPECT_EQ(answers["/a"].value, "TRUE");
    EXPECT_EQ(answers["loose"].has, 0);
}

TEST(CommandLineOptions, CutsLongArgumentsAndNarrowsText) {
    std::string longName = "/" + std::string(40, 'n');
    std::string longValue(300, 'v');
    auto answers =
        runHost({longName, longValue, "/city", "Z\xC3\xBCrich"}, longName.substr(0, 31) + "," + longName + ",/city");
    EXPECT_EQ(answers[longName.substr(0, 31)].value, std::string(255, 'v'));
    EXPECT_EQ(answers[longName].has, 0);
    EXPECT_EQ(answers["/city"].value, "Z\xFCrich");  // one byte a UTF-16 unit
}

TEST(CommandLineOptions, InThisProcessNothingIsAnOptionUntilParsed) {
    const CommandLineTable& options = *runtimeRoot().commandLineTable;
    EXPECT_EQ(options.clearOptions(), 1);
    EXPECT_EQ(options.hasOption("/mode"), 0);
    char value[256] = "kept";
    EXPECT_EQ(options.getOption("/mode", value), 0);
    EXPECT_STREQ(value, "kept");
    EXPECT_EQ(options.parseCommandLine(), 1);
    EXPECT_EQ(options.clearOptions(), 1);
}

}  // namespace
