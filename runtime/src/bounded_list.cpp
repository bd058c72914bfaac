#include "bounded_list.h"

#include <cstdlib>
#include <cstring>

namespace tolvanea {
namespace {

void release(const BoundedList* list, RtWord value) {
    if (list->release != nullptr) list->release(list->context, value);
}

}  // namespace

BoundedList* createBoundedList(RtWord context, int32_t capacity, BoundedReleaseFn releaseFn) {
    // A history that can hold nothing has no meaning for pushBounded.
    if (capacity <= 0) return nullptr;
    auto* list = static_cast<BoundedList*>(std::malloc(sizeof(BoundedList)));
    if (list == nullptr) return nullptr;
    list->items = static_cast<RtWord*>(std::calloc(static_cast<std::size_t>(capacity), sizeof(RtWord)));
    if (list->items == nullptr) {
        std::free(list);
        return nullptr;
    }
    list->count = 0;
    list->capacity = capacity;
    list->context = context;
    list->release = releaseFn;
    return list;
}

void destroyBoundedList(BoundedList* list, RtBool releaseValues) {
    if (list == nullptr) return;
    clearBounded(list, releaseValues);
    std::free(list->items);
    std::free(list);
}

void pushBounded(BoundedList* list, RtWord value) {
    if (list == nullptr || list->capacity <= 0) return;
    if (list->count < list->capacity) {
        list->items[list->count++] = value;
        return;
    }
    release(list, list->items[0]);
    std::memmove(list->items, list->items + 1, static_cast<std::size_t>(list->capacity - 1) * sizeof(RtWord));
    list->items[list->capacity - 1] = value;
}

RtBool dropLastBounded(BoundedList* list, RtBool releaseValue) {
    if (list != nullptr && list->count > 0) {
        RtWord value = list->items[--list->count];
        if (releaseValue & 1) release(list, value);
    }
    return 0;
}

RtWord popLastBounded(BoundedList* list, RtBool remove, RtBool releaseValue) {
    if (list == nullptr || list->count <= 0) return 0;
    RtWord value = list->items[list->count - 1];
    if (remove & 1) {
        --list->count;
        if (releaseValue & 1) release(list, value);
    }
    return value;
}

int32_t boundedCount(const BoundedList* list) { return list != nullptr ? list->count : 0; }

RtWord boundedItemAt(const BoundedList* list, uint32_t index) {
    if (list == nullptr || list->count <= 0 || index >= static_cast<uint32_t>(list->count)) return 0;
    return list->items[index];
}

void clearBounded(BoundedList* list, RtBool releaseValues) {
    if (list == nullptr) return;
    if (releaseValues & 1) {
        for (int32_t i = 0; i < list->count; ++i) release(list, list->items[i]);
    }
    list->count = 0;
}

}  // namespace tolvanea
