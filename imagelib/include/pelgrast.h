/* pelgrast: picture file codec library (PNG, JPEG, Windows bitmap) with a C ABI.
 *
 * Pixel buffers: rows top to bottom, no padding at the end of a row.
 *   3 bytes per pixel (red, green, blue) for saving and for loading in mode 0;
 *   4 bytes per pixel (red, green, blue, alpha; 255 = opaque) for loading in mode 1.
 *
 * Limits (files beyond them are refused with a failure result):
 *   - each side 1 .. PG_MAX_SIDE pixels, width * height at most PG_MAX_PIXELS;
 *   - input files at most PG_MAX_FILE_BYTES bytes;
 *   - a compressed file must carry enough data for the picture it announces
 *     (PNG: what deflate can expand at most; JPEG and RLE bitmaps: at least one
 *     byte per PG_MAX_PIXELS_PER_BYTE pixels), so that a tiny file cannot make the
 *     library allocate or decode a huge picture;
 *   - JPEG: at most PG_MAX_JPEG_SCANS scans and 512 MiB of decoder working memory;
 *     truncated or corrupt entropy data fails (no partly grey pictures);
 *   - saving JPEG: each side at most 65500 (the format's own limit).
 */
#ifndef PELGRAST_H
#define PELGRAST_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PG_VERSION 0x00010000u /* 1.0, what PG_Ver returns */

#define PG_MAX_SIDE 65535
#define PG_MAX_PIXELS (1ll << 28)
#define PG_MAX_FILE_BYTES (1536ll << 20)
#define PG_MAX_PIXELS_PER_BYTE 2048
#define PG_MAX_JPEG_SCANS 256

#define PG_MODE_RGB 0
#define PG_MODE_RGBA 1

/* Writes a picture of width * height pixels, 3 bytes each. The format comes from the
 * path's extension, in any letter case: .png, .jpg or .jpeg (quality 90), .bmp (24 bits
 * per pixel); any other extension fails. The file is replaced only when the whole new
 * content was written. `reserved` is 0. Returns non-zero on success. */
uint8_t PG_SaveToDisk(const char* path, const uint8_t* rgb, int32_t width, int32_t height, int32_t reserved);

/* Reads a PNG, JPEG or bitmap file, recognised by its content whatever its name. On
 * success returns non-zero and sets *buffer (release it with PG_Free), *width, *height
 * and *hasAlpha (non-zero when the file carries alpha values of its own: an alpha
 * channel, a PNG transparency chunk, a bitmap alpha mask). `hasAlpha` may be null.
 * `mode` is PG_MODE_RGB or PG_MODE_RGBA; others fail. On failure returns 0 and sets
 * *buffer to null and the sizes to 0. (The name is historical: it loads from disk.) */
uint8_t PG_LoadToDisk(const char* path, uint8_t** buffer, int32_t* width, int32_t* height, uint8_t* hasAlpha,
                      int32_t mode);

/* Kept for binary compatibility with older callers; does nothing and returns null. */
void* PG_BMP_LoadByWindows(void);

/* The library's version, PG_VERSION. */
uint32_t PG_Ver(void);

/* Releases a buffer returned by PG_LoadToDisk. Null is accepted. */
void PG_Free(void* buffer);

/* File dialog filters, "description|pattern|" pairs; static texts, never released. */
const char* PG_GetSupportedExtensionOpen(void);
const char* PG_GetSupportedExtensionSave(void);

#ifdef __cplusplus
}
#endif

#endif /* PELGRAST_H */
