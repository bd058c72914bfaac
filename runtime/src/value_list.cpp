#include "value_list.h"

#include <cstdlib>
#include <vector>

namespace tolvanea {

ListNode* makeNode(RtWord value) {
    auto* node = static_cast<ListNode*>(std::malloc(sizeof(ListNode)));
    if (node == nullptr) return nullptr;
    node->value = value;
    node->next = nullptr;
    node->previous = nullptr;
    node->last = node;
    return node;
}

RtWord popFirstValue(ListNode** list) {
    if (list == nullptr || *list == nullptr) return 0;
    ListNode* first = *list;
    RtWord value = first->value;
    ListNode* next = first->next;
    if (next != nullptr) {
        next->previous = nullptr;
        next->last = first->last;
    }
    *list = next;
    std::free(first);
    return value;
}

ListNode* swapWithPrevious(ListNode* node) {
    if (node == nullptr || node->previous == nullptr) return nullptr;
    swapWords(&node->value, &node->previous->value);
    return node;
}

ListNode* swapWithNext(ListNode* node) {
    if (node == nullptr || node->next == nullptr) return nullptr;
    swapWords(&node->value, &node->next->value);
    return node;
}

RtBool swapWords(RtWord* a, RtWord* b) {
    if (a == nullptr || b == nullptr) return 0;
    RtWord kept = *a;
    *a = *b;
    *b = kept;
    return 1;
}

RtBool isLastNode(const ListNode* node) { return node == nullptr || node->next == nullptr ? 1 : 0; }

ListNode* appendValue(ListNode* list, RtWord value, ListNode** newNode) {
    ListNode* node = makeNode(value);
    if (newNode != nullptr) *newNode = node;
    if (node == nullptr) return list;
    if (list == nullptr) return node;
    ListNode* oldLast = list->last;
    oldLast->next = node;
    node->previous = oldLast;
    list->last = node;
    return list;
}

ListNode* insertValueBefore(ListNode** list, ListNode* node, RtWord value) {
    if (list == nullptr) return nullptr;
    if (node == nullptr) {
        *list = appendValue(*list, value, nullptr);
        return *list;
    }
    ListNode* made = makeNode(value);
    if (made == nullptr) return nullptr;
    ListNode* before = node->previous;
    made->previous = before;
    made->next = node;
    node->previous = made;
    if (before != nullptr) before->next = made;
    if (*list != nullptr) made->last = (*list)->last;
    if (node == *list || *list == nullptr) *list = made;
    return made;
}

RtWord nextValue(ListNode** cursor, RtBool advance) {
    if (cursor == nullptr || *cursor == nullptr) return 0;
    RtWord value = (*cursor)->value;
    if (advance & 1) *cursor = (*cursor)->next;
    return value;
}

ListNode* nodeAt(ListNode* node, uint32_t steps) {
    while (node != nullptr && steps > 0) {
        node = node->next;
        --steps;
    }
    return node;
}

RtWord valueAt(const ListNode* list, uint32_t index) {
    const ListNode* node = nodeAt(const_cast<ListNode*>(list), index);
    return node != nullptr ? node->value : 0;
}

ListNode* lastNode(ListNode* list) { return list != nullptr ? list->last : nullptr; }

RtWord previousValue(ListNode** cursor, RtBool advance) {
    if (cursor == nullptr || *cursor == nullptr) return 0;
    RtWord value = (*cursor)->value;
    if (advance & 1) *cursor = (*cursor)->previous;
    return value;
}

uint32_t countValues(const ListNode* list) {
    uint32_t count = 0;
    for (; list != nullptr; list = list->next) ++count;
    return count;
}

void unlinkNode(ListNode** list, ListNode* node) {
    ListNode* before = node->previous;
    ListNode* after = node->next;
    if (after != nullptr) after->previous = before;
    if (before != nullptr)
        before->next = after;
    else
        *list = after;
    std::free(node);
    if (*list == nullptr) return;
    ListNode* last = *list;
    while (last->next != nullptr) last = last->next;
    (*list)->last = last;
}

RtBool removeValue(ListNode** list, RtWord value, ValueReleaseFn release) {
    if (list == nullptr) return 0;
    ListNode* node = *list;
    while (node != nullptr && node->value != value) node = node->next;
    if (node == nullptr) return 0;
    if (release != nullptr) release(value);
    unlinkNode(list, node);
    return 1;
}

void destroyValueList(ListNode* list, ValueReleaseFn release) {
    while (list != nullptr) {
        ListNode* next = list->next;
        if (release != nullptr) release(list->value);
        std::free(list);
        list = next;
    }
}

RtBool containsValue(const ListNode* list, RtWord value) {
    for (; list != nullptr; list = list->next) {
        if (list->value == value) return 1;
    }
    return 0;
}

ListNode* appendUniqueValue(ListNode* list, RtWord value) {
    if (containsValue(list, value)) return list;
    return appendValue(list, value, nullptr);
}

ListNode* copyValueList(const ListNode* list) {
    ListNode* copy = nullptr;
    for (; list != nullptr; list = list->next) copy = appendValue(copy, list->value, nullptr);
    return copy;
}

ListNode* reversedValueList(const ListNode* list) {
    std::vector<RtWord> values(countValues(list));
    std::size_t slot = values.size();
    for (; list != nullptr; list = list->next) values[--slot] = list->value;
    ListNode* reversed = nullptr;
    for (RtWord value : values) reversed = appendValue(reversed, value, nullptr);
    return reversed;
}

RtWord firstValue(const ListNode* list) { return list != nullptr ? list->value : 0; }

RtWord lastValue(const ListNode* list) {
    if (list == nullptr) return 0;
    while (list->next != nullptr) list = list->next;
    return list->value;
}

}  // namespace tolvanea
