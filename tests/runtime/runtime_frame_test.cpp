#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

extern "C" int runtimeRootSizesFromC(const RuntimeRoot* root);

namespace {

constexpr RtWord W = sizeof(void*);

TEST(RuntimeFrame, RootAndTableSizesFollowTheWordRule) {
    RuntimeRoot root{};
    root.size = 12345;  // whatever the caller stored, HH writes the real size
    ASSERT_EQ(runtimeEntry()(&root), 1);
    EXPECT_EQ(root.size, 18 * W);
    EXPECT_EQ(root.boundedListTable->size, 9 * W);
    EXPECT_EQ(root.digestTable->size, 4 * W);
    EXPECT_EQ(root.commandLineTable->size, 6 * W);
    EXPECT_EQ(root.fileTable->size, 35 * W);
    EXPECT_EQ(root.reservedTable->size, 3 * W);
    EXPECT_EQ(root.settingsTable->size, 16 * W);
    EXPECT_EQ(root.colorTable->size, 5 * W);
    EXPECT_EQ(root.valueListTable->size, 23 * W);
    EXPECT_EQ(root.calendarTable->size, 9 * W);
    EXPECT_EQ(root.bitStreamTable->size, 20 * W);
    EXPECT_EQ(root.randomTable->size, 12 * W);
    EXPECT_EQ(root.jpegTable->size, 7 * W);
    EXPECT_EQ(root.geometryTable->size, 9 * W);
    EXPECT_EQ(root.textTable->size, 7 * W);
    EXPECT_EQ(root.textReaderTable->size, 6 * W);
    // The same figures seen from a C translation unit.
    EXPECT_EQ(runtimeRootSizesFromC(&root), 1);
}

TEST(RuntimeFrame, TwoRootsShareTheSameTables) {
    RuntimeRoot first{};
    RuntimeRoot second{};
    runtimeEntry()(&first);
    runtimeEntry()(&second);
    EXPECT_EQ(std::memcmp(&first, &second, sizeof(RuntimeRoot)), 0);
    EXPECT_EQ(first.fileTable, runtimeRoot().fileTable);
    // Calling HH again rewrites the same values.
    const FileTable before = *first.fileTable;
    runtimeEntry()(&first);
    EXPECT_EQ(std::memcmp(&before, first.fileTable, sizeof(FileTable)), 0);
}

TEST(RuntimeFrame, VersionAndFree) {
    const RuntimeRoot& root = runtimeRoot();
    EXPECT_EQ(root.runtimeVersion(), 65537u);
    EXPECT_EQ(root.runtimeFree(nullptr), 1);
    EXPECT_EQ(root.runtimeFree(std::malloc(64)), 1);
}

TEST(RuntimeFrame, ReservedTableAnswersZero) {
    const ReservedTable* table = runtimeRoot().reservedTable;
    ASSERT_NE(table->reserved1, nullptr);
    ASSERT_NE(table->reserved2, nullptr);
    EXPECT_EQ(table->reserved1(), 0u);
    EXPECT_EQ(table->reserved2(), 0u);
}

TEST(RuntimeFrame, OnlyHHIsExported) {
    std::string command = std::string("nm -D --defined-only '") + RUNTIME_LIBRARY_PATH + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        std::size_t space = text.rfind(' ');
        symbols.insert(space == std::string::npos ? text : text.substr(space + 1));
    }
    ASSERT_EQ(pclose(pipe), 0);
    symbols.erase("");
    EXPECT_EQ(symbols, std::set<std::string>{"HH"});
}

}  // namespace

namespace {

// A table seen as its size word followed by its slots.
template <typename Table>
std::vector<const void*> slotsOf(const Table* table) {
    const auto* words = reinterpret_cast<const RtWord*>(table);
    std::vector<const void*> slots;
    for (std::size_t i = 1; i < sizeof(Table) / sizeof(RtWord); ++i)
        slots.push_back(reinterpret_cast<const void*>(words[i]));
    return slots;
}

template <typename Table>
void expectAllSlotsFilled(const char* name, const Table* table, std::size_t emptySlot = 0) {
    std::vector<const void*> slots = slotsOf(table);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i + 1 == emptySlot)
            EXPECT_EQ(slots[i], nullptr) << name << " entry " << i + 1;
        else
            EXPECT_NE(slots[i], nullptr) << name << " entry " << i + 1;
    }
}

TEST(RuntimeFrame, EverySlotIsFilledButSettingsEntryFour) {
    const RuntimeRoot& root = runtimeRoot();
    expectAllSlotsFilled("BoundedListTable", root.boundedListTable);
    expectAllSlotsFilled("DigestTable", root.digestTable);
    expectAllSlotsFilled("CommandLineTable", root.commandLineTable);
    expectAllSlotsFilled("FileTable", root.fileTable);
    expectAllSlotsFilled("ReservedTable", root.reservedTable);
    expectAllSlotsFilled("SettingsTable", root.settingsTable, 4);
    expectAllSlotsFilled("ColourTable", root.colorTable);
    expectAllSlotsFilled("ValueListTable", root.valueListTable);
    expectAllSlotsFilled("CalendarTable", root.calendarTable);
    expectAllSlotsFilled("BitStreamTable", root.bitStreamTable);
    expectAllSlotsFilled("RandomTable", root.randomTable);
    expectAllSlotsFilled("JpegTable", root.jpegTable);
    expectAllSlotsFilled("GeometryTable", root.geometryTable);
    expectAllSlotsFilled("TextTable", root.textTable);
    expectAllSlotsFilled("TextReaderTable", root.textReaderTable);
}

TEST(RuntimeFrame, OperationsInTwoSlotsAreOneFunction) {
    const RuntimeRoot& root = runtimeRoot();
    EXPECT_EQ(root.fileTable->writeLine, root.fileTable->writeLine2);
    EXPECT_EQ(root.fileTable->chooseFileToOpen, root.fileTable->chooseFileToOpen2);
    EXPECT_EQ(root.fileTable->matchWildcard, root.textTable->matchWildcard);
    EXPECT_EQ(root.valueListTable->appendValue, root.valueListTable->appendValueNode);
    EXPECT_EQ(root.randomTable->nextUnit, root.randomTable->nextUnit2);
}

}  // namespace
