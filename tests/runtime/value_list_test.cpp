#include "runtime_host.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const ValueListTable& lists() { return *runtimeRoot().valueListTable; }
const BoundedListTable& bounded() { return *runtimeRoot().boundedListTable; }

std::vector<RtWord> forwards(ListNode* list) {
    std::vector<RtWord> values;
    for (ListNode* cursor = list; cursor != nullptr;) values.push_back(lists().nextValue(&cursor, 1));
    return values;
}

std::vector<RtWord> backwards(ListNode* list) {
    std::vector<RtWord> values;
    for (ListNode* cursor = lists().lastNode(list); cursor != nullptr;)
        values.push_back(lists().previousValue(&cursor, 1));
    return values;
}

// The invariant every operation keeps: the first node names the last, links
// agree both ways, the first node has no previous.
void expectConsistent(ListNode* list) {
    if (list == nullptr) return;
    EXPECT_EQ(list->previous, nullptr);
    ListNode* node = list;
    while (node->next != nullptr) {
        EXPECT_EQ(node->next->previous, node);
        node = node->next;
    }
    EXPECT_EQ(list->last, node);
}

ListNode* listOf(std::initializer_list<RtWord> values) {
    ListNode* list = nullptr;
    for (RtWord value : values) list = lists().appendValue(list, value, nullptr);
    return list;
}

std::vector<RtWord> released;
void recordRelease(RtWord value) { released.push_back(value); }

std::vector<std::pair<RtWord, RtWord>> boundedReleased;
void recordBoundedRelease(RtWord context, RtWord value) { boundedReleased.emplace_back(context, value); }

TEST(ValueList, AppendPopAndAppendKeepsTheLastNode) {
    ListNode* list = listOf({1, 2, 3});
    EXPECT_EQ(lists().popFirstValue(&list), 1u);
    ListNode* four = nullptr;
    list = lists().appendValueNode(list, 4, &four);
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{2, 3, 4}));
    EXPECT_EQ(lists().lastNode(list), four);
    EXPECT_EQ(lists().lastValue(list), 4u);
    EXPECT_EQ(lists().firstValue(list), 2u);
    expectConsistent(list);
    lists().destroyValueList(list, nullptr);

    ListNode* empty = nullptr;
    EXPECT_EQ(lists().popFirstValue(&empty), 0u);
    EXPECT_EQ(empty, nullptr);
    EXPECT_EQ(lists().firstValue(nullptr), 0u);
    EXPECT_EQ(lists().lastValue(nullptr), 0u);
    EXPECT_EQ(lists().lastNode(nullptr), nullptr);
}

TEST(ValueList, InsertBefore) {
    ListNode* list = nullptr;
    ListNode* result = lists().insertValueBefore(&list, nullptr, 7);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(result, list);
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{7}));

    ListNode* first = lists().insertValueBefore(&list, list, 5);
    EXPECT_EQ(first, list);
    ListNode* middle = lists().insertValueBefore(&list, list->next, 6);
    EXPECT_EQ(middle->value, 6u);
    lists().insertValueBefore(&list, nullptr, 8);
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{5, 6, 7, 8}));
    EXPECT_EQ(backwards(list), (std::vector<RtWord>{8, 7, 6, 5}));
    expectConsistent(list);
    lists().destroyValueList(list, nullptr);
}

TEST(ValueList, RemoveWalksAndReleases) {
    ListNode* list = listOf({1, 2, 3});
    released.clear();
    EXPECT_EQ(lists().removeValue(&list, 2, recordRelease), 1);
    EXPECT_EQ(released, (std::vector<RtWord>{2}));
    EXPECT_EQ(backwards(list), (std::vector<RtWord>{3, 1}));
    expectConsistent(list);
    EXPECT_EQ(lists().removeValue(&list, 9, recordRelease), 0);

    // The last node and then the first node go: the record of the last moves on.
    EXPECT_EQ(lists().removeValue(&list, 3, nullptr), 1);
    expectConsistent(list);
    EXPECT_EQ(lists().lastValue(list), 1u);
    EXPECT_EQ(lists().removeValue(&list, 1, nullptr), 1);
    EXPECT_EQ(list, nullptr);

    list = listOf({4, 5, 4, 6});
    EXPECT_EQ(lists().removeValue(&list, 4, nullptr), 1);
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{5, 4, 6}));
    expectConsistent(list);
    released.clear();
    lists().destroyValueList(list, recordRelease);
    EXPECT_EQ(released, (std::vector<RtWord>{5, 4, 6}));
}

TEST(ValueList, SwapsAndLookups) {
    ListNode* list = listOf({10, 20, 30});
    EXPECT_EQ(lists().swapWithPrevious(list), nullptr);
    EXPECT_EQ(lists().swapWithNext(lists().lastNode(list)), nullptr);
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{10, 20, 30}));
    EXPECT_EQ(lists().swapWithNext(list), list);
    EXPECT_EQ(lists().swapWithPrevious(lists().lastNode(list)), lists().lastNode(list));
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{20, 30, 10}));

    RtWord a = 1, b = 2;
    EXPECT_EQ(lists().swapWords(&a, &b), 1);
    EXPECT_EQ(a, 2u);
    EXPECT_EQ(b, 1u);
    EXPECT_EQ(lists().swapWords(&a, nullptr), 0);
    EXPECT_EQ(a, 2u);

    EXPECT_EQ(lists().countValues(list), 3u);
    EXPECT_EQ(lists().countValues(nullptr), 0u);
    EXPECT_EQ(lists().valueAt(list, 2), 10u);
    EXPECT_EQ(lists().valueAt(list, 3), 0u);
    EXPECT_EQ(lists().nodeAt(list, 1)->value, 30u);
    EXPECT_EQ(lists().nodeAt(list, 5), nullptr);
    EXPECT_EQ(lists().isLastNode(list), 0);
    EXPECT_EQ(lists().isLastNode(lists().lastNode(list)), 1);
    EXPECT_EQ(lists().containsValue(list, 30), 1);
    EXPECT_EQ(lists().containsValue(list, 40), 0);

    // A cursor that does not advance stays put.
    ListNode* cursor = list;
    EXPECT_EQ(lists().nextValue(&cursor, 0), 20u);
    EXPECT_EQ(cursor, list);
    EXPECT_EQ(lists().nextValue(nullptr, 1), 0u);
    lists().destroyValueList(list, nullptr);
}

TEST(ValueList, UniqueAppendCopyAndReverse) {
    ListNode* list = lists().appendUniqueValue(nullptr, 3);
    list = lists().appendUniqueValue(list, 4);
    list = lists().appendUniqueValue(list, 3);
    EXPECT_EQ(forwards(list), (std::vector<RtWord>{3, 4}));

    ListNode* copy = lists().copyValueList(list);
    ListNode* reversed = lists().reversedValueList(list);
    EXPECT_NE(copy, list);
    EXPECT_EQ(forwards(copy), (std::vector<RtWord>{3, 4}));
    EXPECT_EQ(forwards(reversed), (std::vector<RtWord>{4, 3}));
    expectConsistent(copy);
    expectConsistent(reversed);
    EXPECT_EQ(lists().copyValueList(nullptr), nullptr);
    EXPECT_EQ(lists().reversedValueList(nullptr), nullptr);
    for (ListNode* l : {list, copy, reversed}) lists().destroyValueList(l, nullptr);
}

TEST(BoundedList, FullHistoryDropsTheOldest) {
    boundedReleased.clear();
    BoundedList* history = bounded().createBoundedList(77, 3, recordBoundedRelease);
    ASSERT_NE(history, nullptr);
    for (RtWord value : {1, 2, 3, 4}) bounded().pushBounded(history, value);
    EXPECT_EQ(bounded().boundedCount(history), 3);
    EXPECT_EQ(boundedReleased, (std::vector<std::pair<RtWord, RtWord>>{{77, 1}}));
    EXPECT_EQ(bounded().boundedItemAt(history, 0), 2u);
    EXPECT_EQ(bounded().boundedItemAt(history, 1), 3u);
    EXPECT_EQ(bounded().boundedItemAt(history, 2), 4u);
    EXPECT_EQ(bounded().boundedItemAt(history, 3), 0u);

    EXPECT_EQ(bounded().popLastBounded(history, 0, 1), 4u);
    EXPECT_EQ(bounded().boundedCount(history), 3);
    EXPECT_EQ(bounded().popLastBounded(history, 1, 1), 4u);
    EXPECT_EQ(bounded().boundedCount(history), 2);
    EXPECT_EQ(boundedReleased.back(), (std::pair<RtWord, RtWord>{77, 4}));

    EXPECT_EQ(bounded().dropLastBounded(history, 0), 0);  // false whatever happens
    EXPECT_EQ(bounded().boundedCount(history), 1);
    EXPECT_EQ(boundedReleased.size(), 2u);

    bounded().pushBounded(history, 9);
    boundedReleased.clear();
    bounded().clearBounded(history, 1);
    EXPECT_EQ(bounded().boundedCount(history), 0);
    EXPECT_EQ(boundedReleased, (std::vector<std::pair<RtWord, RtWord>>{{77, 2}, {77, 9}}));
    EXPECT_EQ(bounded().popLastBounded(history, 1, 1), 0u);
    EXPECT_EQ(bounded().dropLastBounded(history, 1), 0);

    bounded().pushBounded(history, 5);
    bounded().pushBounded(history, 6);
    boundedReleased.clear();
    bounded().destroyBoundedList(history, 1);
    EXPECT_EQ(boundedReleased, (std::vector<std::pair<RtWord, RtWord>>{{77, 5}, {77, 6}}));
}

TEST(BoundedList, RefusesEmptyCapacityAndWorksWithoutRelease) {
    EXPECT_EQ(bounded().createBoundedList(0, 0, nullptr), nullptr);
    EXPECT_EQ(bounded().createBoundedList(0, -5, nullptr), nullptr);
    BoundedList* history = bounded().createBoundedList(0, 1, nullptr);
    ASSERT_NE(history, nullptr);
    bounded().pushBounded(history, 1);
    bounded().pushBounded(history, 2);
    EXPECT_EQ(bounded().boundedItemAt(history, 0), 2u);
    bounded().destroyBoundedList(history, 1);
}

}  // namespace
