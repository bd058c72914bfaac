// Every slot of the bit stream, JPEG, digest, random, calendar, color and geometry
// tables holds a function after HH.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A table is its size word followed by one function pointer per slot.
template <class Table>
void expectEverySlotFilled(const Table* table, const char* name) {
    ASSERT_NE(table, nullptr) << name;
    const size_t slots = sizeof(Table) / sizeof(void*) - 1;
    EXPECT_EQ(table->size, sizeof(Table)) << name;
    for (size_t i = 1; i <= slots; ++i) {
        void* entry = nullptr;
        std::memcpy(&entry, reinterpret_cast<const char*>(table) + i * sizeof(void*), sizeof entry);
        EXPECT_NE(entry, nullptr) << name << " slot " << i;
    }
}

TEST(FamilyTables, EverySlotIsFilled) {
    const RuntimeRoot& root = runtimeRoot();
    expectEverySlotFilled(root.bitStreamTable, "BitStreamTable");
    expectEverySlotFilled(root.jpegTable, "JpegTable");
    expectEverySlotFilled(root.digestTable, "DigestTable");
    expectEverySlotFilled(root.randomTable, "RandomTable");
    expectEverySlotFilled(root.calendarTable, "CalendarTable");
    expectEverySlotFilled(root.colorTable, "ColourTable");
    expectEverySlotFilled(root.geometryTable, "GeometryTable");
    // Slot 10 of the random table is the same operation as slot 5.
    EXPECT_EQ(root.randomTable->nextUnit2, root.randomTable->nextUnit);
}

}  // namespace
