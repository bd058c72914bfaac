/* The public header must compile as plain C11, and its prototypes are the ABI. */
#include "pelgrast.h"

_Static_assert(_Generic(&PG_SaveToDisk, uint8_t (*)(const char*, const uint8_t*, int32_t, int32_t, int32_t) : 1,
                        default : 0),
               "PG_SaveToDisk signature");
_Static_assert(_Generic(&PG_LoadToDisk, uint8_t (*)(const char*, uint8_t**, int32_t*, int32_t*, uint8_t*, int32_t) : 1,
                        default : 0),
               "PG_LoadToDisk signature");
_Static_assert(_Generic(&PG_BMP_LoadByWindows, void* (*)(void) : 1, default : 0), "PG_BMP_LoadByWindows signature");
_Static_assert(_Generic(&PG_Ver, uint32_t (*)(void) : 1, default : 0), "PG_Ver signature");
_Static_assert(_Generic(&PG_Free, void (*)(void*) : 1, default : 0), "PG_Free signature");
_Static_assert(_Generic(&PG_GetSupportedExtensionOpen, const char* (*)(void) : 1, default : 0), "open filter");
_Static_assert(_Generic(&PG_GetSupportedExtensionSave, const char* (*)(void) : 1, default : 0), "save filter");

long long pelgrastHeaderMaxPixelsFromC(void) { return PG_MAX_PIXELS; }
