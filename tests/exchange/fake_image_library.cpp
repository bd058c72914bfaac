// A stand-in image library with only two of the seven entry points, to check how
// the binding treats a partial library.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) uint32_t PG_Ver(void) { return 7; }

extern "C" __attribute__((visibility("default"))) uint8_t PG_LoadToDisk(const char*, uint8_t** buffer, int32_t* w,
                                                                        int32_t* h, uint8_t*, int32_t) {
    *buffer = nullptr;
    *w = *h = 0;
    return 0;
}
