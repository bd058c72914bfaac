// Doubly linked lists of words built from ListNode cells. The first node's
// `last` names the list's last node, which keeps appends constant-time; the
// settings lists, the option list and split lists are made of the same cells.
#pragma once

#include "tolvanea/runtime.h"

namespace tolvanea {

// A node holding value, linked to nothing, naming itself as last; null when
// memory runs out.
ListNode* makeNode(RtWord value);

RtWord popFirstValue(ListNode** list);
ListNode* swapWithPrevious(ListNode* node);
ListNode* swapWithNext(ListNode* node);
RtBool swapWords(RtWord* a, RtWord* b);
RtBool isLastNode(const ListNode* node);
ListNode* appendValue(ListNode* list, RtWord value, ListNode** newNode);
ListNode* insertValueBefore(ListNode** list, ListNode* node, RtWord value);
RtWord nextValue(ListNode** cursor, RtBool advance);
ListNode* nodeAt(ListNode* node, uint32_t steps);
RtWord valueAt(const ListNode* list, uint32_t index);
ListNode* lastNode(ListNode* list);
RtWord previousValue(ListNode** cursor, RtBool advance);
uint32_t countValues(const ListNode* list);
RtBool removeValue(ListNode** list, RtWord value, ValueReleaseFn release);
void destroyValueList(ListNode* list, ValueReleaseFn release);
RtBool containsValue(const ListNode* list, RtWord value);
ListNode* appendUniqueValue(ListNode* list, RtWord value);
ListNode* copyValueList(const ListNode* list);
ListNode* reversedValueList(const ListNode* list);
RtWord firstValue(const ListNode* list);
RtWord lastValue(const ListNode* list);

// Unlinks node from the list (moving *list on when it was the first node),
// keeps the first node's `last` up to date and frees the node. The node's value
// is the caller's business.
void unlinkNode(ListNode** list, ListNode* node);

}  // namespace tolvanea
