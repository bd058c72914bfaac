// A fixed-capacity history of words: once full, every new value pushes the
// oldest one out through the caller's release function.
#pragma once

#include "tolvanea/runtime.h"

namespace tolvanea {

BoundedList* createBoundedList(RtWord context, int32_t capacity, BoundedReleaseFn release);
void destroyBoundedList(BoundedList* list, RtBool releaseValues);
void pushBounded(BoundedList* list, RtWord value);
RtBool dropLastBounded(BoundedList* list, RtBool releaseValue);
RtWord popLastBounded(BoundedList* list, RtBool remove, RtBool releaseValue);
int32_t boundedCount(const BoundedList* list);
RtWord boundedItemAt(const BoundedList* list, uint32_t index);
void clearBounded(BoundedList* list, RtBool releaseValues);

}  // namespace tolvanea
