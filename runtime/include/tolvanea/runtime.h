/*
 * Tolvanea.Runtime -- public interface.
 *
 * The library exports one function, HH. A host loads libTolvanea.Runtime.so,
 * looks up HH, stores the root's size in its first word, calls HH(&root) and
 * from then on reaches every service through the root's tables of function
 * pointers. No other symbol of the library is bound by name.
 *
 * Words. Every size, list value, context and pointer in these records is one
 * machine word (RtWord, pointer-width). The first word of the root and of every
 * table holds the record's own size, (1 + slots) * sizeof(void*), so a 32-bit
 * build has the classic layout (root 72 bytes, FileTable 140, ...) byte for byte
 * and a 64-bit build scales every figure by two.
 *
 * Conventions shared by every table:
 *  - bools are one byte (RtBool), 1 true, 0 false; flags passed in are tested on
 *    their low byte only;
 *  - text is zero-terminated single-byte text unless a slot says wide text, which
 *    is zero-terminated UTF-16 (RtWide, host byte order);
 *  - file handles are POSIX descriptors carried in a word (RtHandle); -1 is the
 *    invalid handle;
 *  - failures are reported by results (false, null, 0, -1), never by exceptions;
 *  - blocks that an operation hands to the caller come from the C heap of the
 *    process (malloc) and are released with the family's destroy operation or,
 *    for plain blocks, with runtimeFree;
 *  - owner-window arguments of the dialogs are accepted and ignored: dialogs are
 *    application-modal and have no parent.
 *
 * Message boxes and dialogs: when a QApplication runs in the process and the
 * call comes from its thread, they are shown with Qt; otherwise a message is
 * written to standard error and a dialog answers "cancelled" (a yes/no question
 * answers No).
 *
 * Limits, and what happens past them (no input ever writes past a buffer):
 *  - Line readers (FileTable readLine, readLineUntilCR, readWideLine,
 *    readSettingLine, readWideSettingLine, readNumberLine) keep the first 255
 *    characters (units) of a line; the rest of that line is read and dropped,
 *    it never comes back as a further line.
 *  - Base folder + name longer than 255 characters: the open is refused with -1
 *    (createForWriting without its message box, since nothing was tried).
 *  - Path splitting (folderOfPath, fileNameOfPath, baseNameOfPath,
 *    extensionOfPath) refuses a path whose wanted component is longer than 259
 *    characters: out receives an empty text and the result is false (true
 *    otherwise). tempFilePath refuses a result longer than 259 characters the
 *    same way. Dialog results longer than 259 characters count as cancelled.
 *  - Settings: lookup and setter keys are cut to 127 characters; values stored by
 *    setters are cut to 8,191 characters; getSettingPair reads at most the first
 *    63 characters of a value; a saved line is cut to 8,191 characters. Keys read
 *    from a file are limited by the line readers (255 characters a line). A file
 *    line without '=' is skipped.
 *  - splitText cuts a piece at 259 characters (the rest of the piece up to the
 *    next separator is dropped); a null allocate function gives a null list.
 *  - matchWildcard answers false when the pattern or the name is longer than 259
 *    units.
 *  - Command-line options: names are cut to 31 bytes and values to 255.
 *  - createBoundedList refuses a capacity of 0 or less (null result).
 *  - The text reader counts source offsets in 31 bits: a source ends at 2 GiB.
 *    A function-mode fill that reports more bytes than asked for is taken as
 *    having delivered the size asked for; a negative count counts as 0. A lone
 *    last byte of a UTF-16 source comes out as one unit with a zero high byte.
 *    readReaderLine with a capacity below 1 or a null buffer reads the line and
 *    stores nothing.
 *  - Decimal conversions (readNumberLine, getSettingInt) saturate at the 32-bit
 *    limits instead of overflowing.
 */
#ifndef TOLVANEA_RUNTIME_H
#define TOLVANEA_RUNTIME_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__) || defined(__clang__)
#define TOLVANEA_RUNTIME_EXPORT __attribute__((visibility("default")))
#else
#define TOLVANEA_RUNTIME_EXPORT
#endif

typedef uintptr_t RtWord;  /* pointer-width word: sizes, list values, contexts */
typedef uint8_t RtBool;    /* one byte: 1 true, 0 false */
typedef intptr_t RtHandle; /* POSIX descriptor in a word; -1 is invalid */
typedef uint16_t RtWide;   /* one UTF-16 unit */

#define RT_INVALID_HANDLE ((RtHandle)-1)
#define RT_RUNTIME_VERSION 0x00010001u

/* ---------------------------------------------------------------- records */

/* One cell of every list of the library. In the first node, `last` names the
 * list's last node; in other nodes it is not maintained. A list is held as a
 * pointer to its first node, null being the empty list. */
typedef struct ListNode {
    RtWord value;
    struct ListNode* next;
    struct ListNode* previous;
    struct ListNode* last;
} ListNode;

typedef void (*BoundedReleaseFn)(RtWord context, RtWord value);

/* Fixed-capacity history: values items[0..count-1], oldest first. */
typedef struct BoundedList {
    RtWord* items;
    int32_t count;
    int32_t capacity;
    RtWord context;
    BoundedReleaseFn release;
} BoundedList;

/* A settings entry; a settings list is a ListNode list whose values point to
 * these. Keys are stored with a-z upper-cased. */
typedef struct SettingEntry {
    char key[256];
    char value[8192];
} SettingEntry;

/* One option of the process command line, as typed ("/name") and its value. */
typedef struct CommandLineOption {
    char name[32];
    char value[256];
} CommandLineOption;

/* Date-and-time record: year, month, day of week, day, hour, minute, second,
 * milliseconds. */
typedef struct SystemTime {
    uint16_t year;
    uint16_t month;
    uint16_t dayOfWeek;
    uint16_t day;
    uint16_t hour;
    uint16_t minute;
    uint16_t second;
    uint16_t milliseconds;
} SystemTime;

typedef struct Segment {
    double x1, y1, x2, y2;
} Segment;

typedef struct BitStream BitStream;             /* opaque */
typedef struct RandomGenerator RandomGenerator; /* opaque */
typedef struct TextReader TextReader;           /* opaque */

/* -------------------------------------------------- callbacks from the library */

typedef void (*ValueReleaseFn)(RtWord value);
/* splitText's allocator: size in bytes -> block (malloc fits). */
typedef void* (*SplitAllocateFn)(size_t size);
/* Text reader source: reads up to size bytes from sourceOffset into buffer and
 * stores the number delivered in *got (0 at the end). Its result is not used. */
typedef RtBool (*ReaderFillFn)(RtWord context, int32_t sourceOffset, void* buffer, int32_t size, int32_t* got);
/* stepLine's plotting function; the fourth argument is always 1. */
typedef void (*PlotFn)(RtWord context, int32_t x, int32_t y, int32_t one);

/* ------------------------------------------------------------ root functions */

typedef uint32_t (*RuntimeVersionFn)(void);
typedef RtBool (*RuntimeFreeFn)(void* block);

/* ------------------------------------------------------- BoundedListTable (8) */

typedef BoundedList* (*CreateBoundedListFn)(RtWord context, int32_t capacity, BoundedReleaseFn release);
typedef void (*DestroyBoundedListFn)(BoundedList* list, RtBool releaseValues);
typedef void (*PushBoundedFn)(BoundedList* list, RtWord value);
typedef RtBool (*DropLastBoundedFn)(BoundedList* list, RtBool releaseValue);
typedef RtWord (*PopLastBoundedFn)(BoundedList* list, RtBool remove, RtBool releaseValue);
typedef int32_t (*BoundedCountFn)(const BoundedList* list);
typedef RtWord (*BoundedItemAtFn)(const BoundedList* list, uint32_t index);
typedef void (*ClearBoundedFn)(BoundedList* list, RtBool releaseValues);

typedef struct BoundedListTable {
    RtWord size;
    CreateBoundedListFn createBoundedList;
    DestroyBoundedListFn destroyBoundedList;
    PushBoundedFn pushBounded;
    DropLastBoundedFn dropLastBounded; /* always returns false */
    PopLastBoundedFn popLastBounded;
    BoundedCountFn boundedCount;
    BoundedItemAtFn boundedItemAt;
    ClearBoundedFn clearBounded;
} BoundedListTable;

/* ------------------------------------------------------------ DigestTable (3) */

typedef uint32_t (*Crc32Fn)(const void* data, int32_t length);
typedef void (*Md5HexFn)(const void* data, int32_t length, char* out33);
typedef void (*Md5DigestFn)(const void* data, int32_t length, uint8_t* out16);

typedef struct DigestTable {
    RtWord size;
    Crc32Fn crc32;
    Md5HexFn md5Hex;
    Md5DigestFn md5Digest;
} DigestTable;

/* ------------------------------------------------------- CommandLineTable (5) */

typedef RtBool (*ClearOptionsFn)(void);
typedef RtBool (*ParseCommandLineFn)(void);
/* outValue may be null; otherwise it holds 256 bytes. */
typedef RtBool (*GetOptionFn)(const char* name, char* outValue);
typedef RtBool (*IsOptionTrueFn)(const char* name);
typedef RtBool (*HasOptionFn)(const char* name);

typedef struct CommandLineTable {
    RtWord size;
    ClearOptionsFn clearOptions;
    ParseCommandLineFn parseCommandLine;
    GetOptionFn getOption;
    IsOptionTrueFn isOptionTrue;
    HasOptionFn hasOption;
} CommandLineTable;

/* -------------------------------------------------------------- FileTable (34) */

/* Path buffers (dialogs, tempFilePath, path splitting) hold 260 bytes; line
 * buffers hold 256 characters (256 units for the wide readers). */
typedef RtBool (*BrowseForFolderFn)(void* owner, const char* initialText, char* out260);
typedef RtHandle (*OpenForReadingFn)(const char* name, RtBool useBaseFolder);
typedef RtHandle (*CreateForWritingFn)(const char* name, RtBool useBaseFolder);
/* 1 when fewer than count bytes were read, 0 when all arrived. */
typedef int32_t (*ReadBytesFn)(RtHandle file, void* buffer, uint32_t count);
/* non-zero when every byte was written */
typedef int32_t (*WriteBytesFn)(RtHandle file, const void* buffer, uint32_t count);
typedef int32_t (*WriteLineFn)(RtHandle file, const char* text);
typedef RtBool (*ReadLineFn)(RtHandle file, char* out256);
typedef int32_t (*ReadNumberLineFn)(RtHandle file);
typedef int32_t (*WriteNumberLineFn)(RtHandle file, int32_t value);
typedef int32_t (*CloseFileFn)(RtHandle file);
/* filters: pairs of zero-terminated strings (description, pattern), ended by an
 * empty string; patterns may list several globs separated by ';'. */
typedef RtBool (*ChooseFileFn)(void* owner, const char* filters, char* out260);
typedef uint32_t (*RewindFileFn)(RtHandle file);
typedef uint32_t (*FileSizeFn)(RtHandle file);
typedef RtBool (*SetBaseFolderFn)(const char* path);
typedef RtHandle (*OpenForAppendingFn)(const char* name, RtBool shareRead);
typedef RtBool (*TempFilePathFn)(char* out260, const char* name);
typedef RtBool (*MatchWildcardFn)(const RtWide* pattern, const RtWide* name, RtBool exactCase);
typedef RtHandle (*OpenTextForReadingFn)(const char* name, RtBool* hasMarker);
typedef RtHandle (*CreateTextForWritingFn)(const char* name, RtBool writeMarker);
typedef int32_t (*WriteWideLineFn)(RtHandle file, const RtWide* text);
typedef RtBool (*ReadWideLineFn)(RtHandle file, RtWide* out256);
typedef int32_t (*WriteTextLineFn)(RtHandle file, const RtWide* text, RtBool asWide);
typedef RtBool (*PathPartFn)(const char* path, char* out260);
typedef uint32_t (*SeekFileFn)(RtHandle file, int32_t position);

/* "No sharing" is an exclusive advisory flock taken with the open; "sharing for
 * reading" lets read-only openers share a lock, while any opener with write
 * access holds it exclusively. A refused lock fails the open like any other
 * error. Positions and sizes are reported in their low 32 bits, 0xFFFFFFFF on
 * failure. */
typedef struct FileTable {
    RtWord size;
    BrowseForFolderFn browseForFolder;           /* 1 */
    OpenForReadingFn openForReading;             /* 2 */
    CreateForWritingFn createForWriting;         /* 3 */
    ReadBytesFn readBytes;                       /* 4 */
    WriteBytesFn writeBytes;                     /* 5 */
    WriteLineFn writeLine;                       /* 6 */
    ReadLineFn readLine;                         /* 7 */
    ReadNumberLineFn readNumberLine;             /* 8 */
    WriteNumberLineFn writeNumberLine;           /* 9 */
    CloseFileFn closeFile;                       /* 10 */
    ChooseFileFn chooseFileToOpen;               /* 11 */
    ChooseFileFn chooseFileToOpen2;              /* 12: same function as 11 */
    ChooseFileFn chooseFileToSave;               /* 13 */
    RewindFileFn rewindFile;                     /* 14 */
    FileSizeFn fileSize;                         /* 15 */
    SetBaseFolderFn setBaseFolder;               /* 16 */
    OpenForAppendingFn openForAppending;         /* 17 */
    TempFilePathFn tempFilePath;                 /* 18 */
    MatchWildcardFn matchWildcard;               /* 19: same function as TextTable's */
    OpenTextForReadingFn openTextForReading;     /* 20 */
    CreateTextForWritingFn createTextForWriting; /* 21 */
    WriteLineFn writeLine2;                      /* 22: same function as 6 */
    WriteWideLineFn writeWideLine;               /* 23 */
    ReadWideLineFn readWideLine;                 /* 24 */
    ReadLineFn readLineUntilCR;                  /* 25 */
    ReadLineFn readSettingLine;                  /* 26 */
    ReadWideLineFn readWideSettingLine;          /* 27 */
    WriteTextLineFn writeTextLine;               /* 28 */
    PathPartFn folderOfPath;                     /* 29 */
    PathPartFn fileNameOfPath;                   /* 30 */
    PathPartFn baseNameOfPath;                   /* 31 */
    PathPartFn extensionOfPath;                  /* 32 */
    SeekFileFn seekFromStart;                    /* 33 */
    SeekFileFn seekFromCurrent;                  /* 34 */
} FileTable;

/* ------------------------------------------- the unnamed table at root slot 5 */

/* Two entries that nothing in this system calls; both do nothing and return 0. */
typedef RtWord (*ReservedFn)(void);

typedef struct ReservedTable {
    RtWord size;
    ReservedFn reserved1;
    ReservedFn reserved2;
} ReservedTable;

/* ---------------------------------------------------------- SettingsTable (15) */

typedef RtBool (*SaveSettingsFn)(const char* fileName, RtBool useBaseFolder, const ListNode* list);
typedef ListNode* (*LoadSettingsFn)(const char* fileName, RtBool useBaseFolder, RtBool reportMissing);
typedef RtBool (*RemoveSettingFn)(ListNode** list, const char* key);
typedef void (*SettingsUnusedFn)(void);
typedef const char* (*GetSettingFn)(const ListNode* list, const char* key, const char* fallback);
typedef RtBool (*GetSettingPairFn)(const ListNode* list, const char* key, int32_t* first, int32_t* second);
typedef RtBool (*SetSettingPairFn)(ListNode** list, const char* key, int32_t first, int32_t second);
typedef uint32_t (*GetSettingColorFn)(const ListNode* list, const char* key);
typedef RtBool (*SetSettingColorFn)(ListNode** list, const char* key, uint32_t color);
typedef uint32_t (*GetSettingHexFn)(const ListNode* list, const char* key);
typedef int32_t (*GetSettingIntFn)(const ListNode* list, const char* key);
typedef RtBool (*SetSettingIntFn)(ListNode** list, const char* key, int32_t value);
typedef RtBool (*GetSettingBoolFn)(const ListNode* list, const char* key);
typedef RtBool (*SetSettingBoolFn)(ListNode** list, const char* key, uint8_t value);
typedef void (*FreeSettingsFn)(ListNode** list);

typedef struct SettingsTable {
    RtWord size;
    SaveSettingsFn saveSettings;        /* 1 */
    LoadSettingsFn loadSettings;        /* 2 */
    RemoveSettingFn removeSetting;      /* 3 */
    SettingsUnusedFn unused4;           /* 4: always null */
    GetSettingFn getSetting;            /* 5 */
    GetSettingPairFn getSettingPair;    /* 6 */
    SetSettingPairFn setSettingPair;    /* 7 */
    GetSettingColorFn getSettingColour; /* 8 */
    SetSettingColorFn setSettingColour; /* 9 */
    GetSettingHexFn getSettingHex;      /* 10 */
    GetSettingIntFn getSettingInt;      /* 11 */
    SetSettingIntFn setSettingInt;      /* 12 */
    GetSettingBoolFn getSettingBool;    /* 13 */
    SetSettingBoolFn setSettingBool;    /* 14 */
    FreeSettingsFn freeSettings;        /* 15 */
} SettingsTable;

/* ------------------------------------------------------------ ColourTable (4) */

typedef void (*HslToRgbFn)(uint8_t hue, uint8_t saturation, uint8_t lightness, uint8_t* red, uint8_t* green,
                           uint8_t* blue, RtBool enabled);
typedef void (*RgbToHslFn)(uint8_t red, uint8_t green, uint8_t blue, uint8_t* hue, uint8_t* saturation,
                           uint8_t* lightness, RtBool enabled);
typedef RtBool (*RgbToHsvFn)(uint8_t red, uint8_t green, uint8_t blue, uint16_t* hue, uint16_t* saturation,
                             uint16_t* value, RtBool enabled);
typedef RtBool (*HsvToRgbFn)(uint16_t hue, uint16_t saturation, uint16_t value, uint8_t* red, uint8_t* green,
                             uint8_t* blue, RtBool enabled);

typedef struct ColourTable {
    RtWord size;
    HslToRgbFn hslToRgb;
    RgbToHslFn rgbToHsl;
    RgbToHsvFn rgbToHsv;
    HsvToRgbFn hsvToRgb;
} ColourTable;

/* -------------------------------------------------------- ValueListTable (22) */

typedef RtWord (*PopFirstValueFn)(ListNode** list);
typedef ListNode* (*SwapNeighbourFn)(ListNode* node);
typedef RtBool (*SwapWordsFn)(RtWord* a, RtWord* b);
typedef RtBool (*IsLastNodeFn)(const ListNode* node);
typedef ListNode* (*AppendValueFn)(ListNode* list, RtWord value, ListNode** newNode);
typedef ListNode* (*InsertValueBeforeFn)(ListNode** list, ListNode* node, RtWord value);
typedef RtWord (*CursorValueFn)(ListNode** cursor, RtBool advance);
typedef ListNode* (*NodeAtFn)(ListNode* node, uint32_t steps);
typedef RtWord (*ValueAtFn)(const ListNode* list, uint32_t index);
typedef ListNode* (*LastNodeFn)(ListNode* list);
typedef uint32_t (*CountValuesFn)(const ListNode* list);
typedef RtBool (*RemoveValueFn)(ListNode** list, RtWord value, ValueReleaseFn release);
typedef void (*DestroyValueListFn)(ListNode* list, ValueReleaseFn release);
typedef RtBool (*ContainsValueFn)(const ListNode* list, RtWord value);
typedef ListNode* (*AppendUniqueValueFn)(ListNode* list, RtWord value);
typedef ListNode* (*CopyValueListFn)(const ListNode* list);
typedef RtWord (*ListEndValueFn)(const ListNode* list);

typedef struct ValueListTable {
    RtWord size;
    PopFirstValueFn popFirstValue;         /* 1 */
    SwapNeighbourFn swapWithPrevious;      /* 2 */
    SwapNeighbourFn swapWithNext;          /* 3 */
    SwapWordsFn swapWords;                 /* 4 */
    IsLastNodeFn isLastNode;               /* 5 */
    AppendValueFn appendValue;             /* 6: newNode may be null */
    InsertValueBeforeFn insertValueBefore; /* 7 */
    AppendValueFn appendValueNode;         /* 8: newNode required */
    CursorValueFn nextValue;               /* 9 */
    NodeAtFn nodeAt;                       /* 10 */
    ValueAtFn valueAt;                     /* 11 */
    LastNodeFn lastNode;                   /* 12 */
    CursorValueFn previousValue;           /* 13 */
    CountValuesFn countValues;             /* 14 */
    RemoveValueFn removeValue;             /* 15 */
    DestroyValueListFn destroyValueList;   /* 16 */
    ContainsValueFn containsValue;         /* 17 */
    AppendUniqueValueFn appendUniqueValue; /* 18 */
    CopyValueListFn copyValueList;         /* 19 */
    CopyValueListFn reversedValueList;     /* 20 */
    ListEndValueFn firstValue;             /* 21 */
    ListEndValueFn lastValue;              /* 22 */
} ValueListTable;

/* ---------------------------------------------------------- CalendarTable (8) */

typedef void (*DayToDateFn)(uint32_t dayNumber, int32_t* year, int32_t* month, int32_t* day);
typedef void (*DayToSystemTimeFn)(uint32_t dayNumber, SystemTime* out);
typedef uint32_t (*DateToDayFn)(int32_t year, int32_t month, int32_t day);
typedef uint32_t (*SystemTimeToDayFn)(const SystemTime* time);
typedef uint32_t (*TimeToSecondsFn)(uint16_t hour, uint16_t minute, uint16_t second);
typedef RtBool (*SecondsToTimeFn)(uint32_t seconds, uint16_t* hour, uint16_t* minute, uint16_t* second);
typedef uint32_t (*SystemTimeToSecondsFn)(const SystemTime* time);
typedef void (*SecondsToSystemTimeFn)(uint32_t seconds, SystemTime* out);

typedef struct CalendarTable {
    RtWord size;
    DayToDateFn dayToDate;
    DayToSystemTimeFn dayToSystemTime;
    DateToDayFn dateToDay;
    SystemTimeToDayFn systemTimeToDay;
    TimeToSecondsFn timeToSeconds;
    SecondsToTimeFn secondsToTime;
    SystemTimeToSecondsFn systemTimeToSeconds;
    SecondsToSystemTimeFn secondsToSystemTime;
} CalendarTable;

/* -------------------------------------------------------- BitStreamTable (19) */

/* Refusals: createBitStream with a chunk size of 0 gives null; bit operations
 * with groupBytes outside 1..4, or bitsPerValue outside 1..the value width,
 * return false and change nothing; a byte write that would carry the position
 * past 0xFFFFFFFF is refused. A seek after a partly read group does not write
 * that group back, and a seek clears the packer, so a new group starts empty. */
typedef BitStream* (*CreateBitStreamFn)(uint32_t chunkSize, uint8_t creationFlag);
typedef RtBool (*DestroyBitStreamFn)(BitStream* stream);
typedef RtBool (*WriteStreamBytesFn)(BitStream* stream, const void* data, uint32_t count, uint32_t* written,
                                     RtBool noAdvance);
typedef RtBool (*ReadStreamBytesFn)(BitStream* stream, void* data, uint32_t count, uint32_t* read, RtBool noAdvance);
typedef uint32_t (*StreamPositionFn)(const BitStream* stream);
typedef RtBool (*SeekStreamFn)(BitStream* stream, uint32_t position);
typedef uint32_t (*StreamSizeFn)(const BitStream* stream);
typedef RtBool (*WriteBitFn)(BitStream* stream, RtBool bit, RtBool noAdvance, uint32_t groupBytes);
typedef RtBool (*ReadBitFn)(BitStream* stream, uint8_t* bit, RtBool noAdvance, uint32_t groupBytes);
typedef RtBool (*WriteBits8Fn)(BitStream* stream, const uint8_t* values, uint32_t count, uint32_t* bitsWritten,
                               uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
typedef RtBool (*ReadBits8Fn)(BitStream* stream, uint8_t* values, uint32_t count, uint32_t* bitsRead,
                              uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
typedef RtBool (*WriteBits16Fn)(BitStream* stream, const uint16_t* values, uint32_t count, uint32_t* bitsWritten,
                                uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
typedef RtBool (*ReadBits16Fn)(BitStream* stream, uint16_t* values, uint32_t count, uint32_t* bitsRead,
                               uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
typedef RtBool (*WriteBits32Fn)(BitStream* stream, const uint32_t* values, uint32_t count, uint32_t* bitsWritten,
                                uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
typedef RtBool (*ReadBits32Fn)(BitStream* stream, uint32_t* values, uint32_t count, uint32_t* bitsRead,
                               uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
/* values are bytes, 16-bit or 32-bit words as bitsPerValue selects (<=8, <=16, <=32) */
typedef RtBool (*WriteBitsFn)(BitStream* stream, const void* values, uint32_t count, uint32_t* bitsWritten,
                              uint32_t bitsPerValue, uint32_t groupBytes, RtBool noAdvance);
typedef RtBool (*ReadBitsFn)(BitStream* stream, void* values, uint32_t count, uint32_t* bitsRead, uint32_t bitsPerValue,
                             uint32_t groupBytes, RtBool noAdvance);

typedef struct BitStreamTable {
    RtWord size;
    CreateBitStreamFn createBitStream;   /* 1 */
    DestroyBitStreamFn destroyBitStream; /* 2 */
    WriteStreamBytesFn writeStreamBytes; /* 3 */
    WriteStreamBytesFn writeStream;      /* 4 */
    ReadStreamBytesFn readStreamBytes;   /* 5 */
    ReadStreamBytesFn readStream;        /* 6 */
    StreamPositionFn streamPosition;     /* 7 */
    SeekStreamFn seekStream;             /* 8 */
    StreamSizeFn streamSize;             /* 9 */
    WriteBitFn writeBit;                 /* 10 */
    ReadBitFn readBit;                   /* 11 */
    WriteBits8Fn writeBits8;             /* 12 */
    ReadBits8Fn readBits8;               /* 13 */
    WriteBits16Fn writeBits16;           /* 14 */
    ReadBits16Fn readBits16;             /* 15 */
    WriteBits32Fn writeBits32;           /* 16 */
    ReadBits32Fn readBits32;             /* 17 */
    WriteBitsFn writeBits;               /* 18 */
    ReadBitsFn readBits;                 /* 19 */
} BitStreamTable;

/* ----------------------------------------------------------- RandomTable (11) */

/* createRandom gives null for stateSize below 2 or secondStart outside
 * 0..stateSize-1. A generator starts with a zeroed state. The seed INT32_MIN
 * counts as 2147483647. Ranges of nextInRange wider than 2147483647 use the
 * two-draw unit of nextUnitWide. */
typedef RandomGenerator* (*CreateRandomFn)(int32_t stateSize, int32_t secondStart);
typedef RandomGenerator* (*CreateStandardRandomFn)(void);
typedef void (*DestroyRandomFn)(RandomGenerator* generator);
typedef void (*SeedGeneratorFn)(RandomGenerator* generator, int32_t seed);
typedef double (*NextUnitFn)(RandomGenerator* generator);
typedef void (*AdvanceRandomFn)(RandomGenerator* generator);
typedef int32_t (*NextInRangeFn)(RandomGenerator* generator, int32_t min, int32_t max);
typedef int32_t (*NextBelowFn)(RandomGenerator* generator, int32_t max);
typedef void (*NextBytesFn)(RandomGenerator* generator, void* buffer, uint32_t length);

typedef struct RandomTable {
    RtWord size;
    CreateRandomFn createRandom;                 /* 1 */
    CreateStandardRandomFn createStandardRandom; /* 2 */
    DestroyRandomFn destroyRandom;               /* 3 */
    SeedGeneratorFn seedGenerator;               /* 4 */
    NextUnitFn nextUnit;                         /* 5 */
    AdvanceRandomFn advanceRandom;               /* 6 */
    NextUnitFn nextUnitWide;                     /* 7 */
    NextInRangeFn nextInRange;                   /* 8 */
    NextBelowFn nextBelow;                       /* 9 */
    NextUnitFn nextUnit2;                        /* 10: same function as 5 */
    NextBytesFn nextBytes;                       /* 11 */
} RandomTable;

/* -------------------------------------------------------------- JpegTable (6) */

/* Pixel blocks: rows of width pixels of 3 bytes, no padding, top row first.
 * Decoded blocks are released with runtimeFree. */
/* decodeJpeg refuses (fatal box, null) pictures above 2^28 pixels, and pictures
 * above 2^24 pixels that bring fewer than one byte of data per 4,096 pixels. */
typedef uint8_t* (*DecodeJpegFn)(const void* data, uint32_t size, int32_t* width, int32_t* height);
/* encodeJpeg never writes past the caller's block: *written carries the block's
 * capacity in bytes on entry and the length of the compressed stream on return.
 * When the stream is longer than the capacity, the block holds its first
 * capacity bytes, *written receives the whole length and the result is false,
 * so a caller may ask with a capacity of 0 (or a null out) and call again with
 * a block of that size. A null written is refused (false). After a library
 * error ("JPEG Fatal Error" box) *written is 0. */
typedef RtBool (*EncodeJpegFn)(uint8_t* out, const uint8_t* pixels, uint32_t width, uint32_t height, RtBool color,
                               int32_t quality, uint32_t* written);
typedef RtBool (*ReadJpegSizeFn)(const void* data, uint32_t size, int32_t* width, int32_t* height);
typedef RtBool (*RowsFn)(uint8_t* block, uint32_t perRow, uint32_t rowCount);

typedef struct JpegTable {
    RtWord size;
    DecodeJpegFn decodeJpeg;
    EncodeJpegFn encodeJpeg;
    ReadJpegSizeFn readJpegSize;
    RowsFn flipRows;    /* perRow: bytes a row */
    RowsFn toGreyRows;  /* perRow: pixels a row */
    RowsFn swapRedBlue; /* perRow: pixels a row */
} JpegTable;

/* ---------------------------------------------------------- GeometryTable (8) */

typedef int32_t (*PolygonContainsFn)(int32_t n, const int32_t* xs, const int32_t* ys, int32_t px, int32_t py);
typedef int32_t (*PolygonContainsRealFn)(int32_t n, const double* xs, const double* ys, double px, double py);
typedef RtBool (*LineIntersectionFn)(const Segment* a, const Segment* b, double* x, double* y);
typedef void (*OffsetSegmentFn)(const Segment* segment, double distance, Segment* out);
typedef double (*SquareFn)(double x);
typedef double (*DistanceFn)(double x1, double y1, double x2, double y2);
typedef RtBool (*SegmentsCrossFn)(const Segment* a, const Segment* b);
typedef void (*StepLineFn)(RtWord context, int32_t x1, int32_t y1, int32_t x2, int32_t y2, PlotFn plot);

typedef struct GeometryTable {
    RtWord size;
    PolygonContainsFn polygonContains;
    PolygonContainsRealFn polygonContainsReal;
    LineIntersectionFn lineIntersection;
    OffsetSegmentFn offsetSegment;
    SquareFn square;
    DistanceFn distance;
    SegmentsCrossFn segmentsCross;
    StepLineFn stepLine;
} GeometryTable;

/* -------------------------------------------------------------- TextTable (6) */

typedef ListNode* (*SplitTextFn)(const char* text, char separator, RtBool trimBlanks, SplitAllocateFn allocate);
typedef int32_t (*WideToNarrowFn)(const RtWide* text, char* out);
typedef int32_t (*NarrowToWideFn)(const char* text, RtWide* out);
typedef RtWide (*UpperWideCharFn)(RtWide unit);
typedef void (*UpperWideTextFn)(const RtWide* text, RtWide* out);

typedef struct TextTable {
    RtWord size;
    SplitTextFn splitText;
    WideToNarrowFn wideToNarrow;
    NarrowToWideFn narrowToWide;
    UpperWideCharFn upperWideChar;
    UpperWideTextFn upperWideText; /* out may be the same buffer as text */
    MatchWildcardFn matchWildcard;
} TextTable;

/* -------------------------------------------------------- TextReaderTable (5) */

/* flags bit 0 set: source is a ReaderFillFn (cast to a data pointer) and
 * context is passed back to it; clear: source is a file name. */
typedef TextReader* (*OpenReaderFn)(const void* source, RtWord reserved, uint32_t flags, RtWord context);
typedef RtBool (*ResetReaderFn)(TextReader* reader);
typedef RtWide (*ReadReaderCharFn)(TextReader* reader, RtBool* got);
typedef RtBool (*ReadReaderLineFn)(TextReader* reader, RtWide* buffer, int32_t capacity);
typedef RtBool (*CloseReaderFn)(TextReader* reader);

#define RT_READER_FUNCTION_MODE 1u

typedef struct TextReaderTable {
    RtWord size;
    OpenReaderFn openReader;
    ResetReaderFn resetReader;
    ReadReaderCharFn readReaderChar;
    ReadReaderLineFn readReaderLine;
    CloseReaderFn closeReader;
} TextReaderTable;

/* ------------------------------------------------------------------- the root */

typedef struct RuntimeRoot {
    RtWord size; /* HH stores sizeof(RuntimeRoot) here whatever the caller put */
    RuntimeVersionFn runtimeVersion;
    RuntimeFreeFn runtimeFree; /* null accepted; always true */
    BoundedListTable* boundedListTable;
    DigestTable* digestTable;
    CommandLineTable* commandLineTable;
    FileTable* fileTable;
    ReservedTable* reservedTable;
    SettingsTable* settingsTable;
    ColourTable* colorTable;
    ValueListTable* valueListTable;
    CalendarTable* calendarTable;
    BitStreamTable* bitStreamTable;
    RandomTable* randomTable;
    JpegTable* jpegTable;
    GeometryTable* geometryTable;
    TextTable* textTable;
    TextReaderTable* textReaderTable;
} RuntimeRoot;

/* The single export. Fills every word of *root; always returns true. */
TOLVANEA_RUNTIME_EXPORT RtBool HH(RuntimeRoot* root);
typedef RtBool (*HHFn)(RuntimeRoot* root);

/* ------------------------------------------------------------- layout checks */

#ifdef __cplusplus
#define TOLVANEA_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define TOLVANEA_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#define TOLVANEA_W sizeof(void*)
#define TOLVANEA_TABLE_LAYOUT(T, slots, lastField)                               \
    TOLVANEA_STATIC_ASSERT(sizeof(T) == (1 + (slots)) * TOLVANEA_W, #T " size"); \
    TOLVANEA_STATIC_ASSERT(offsetof(T, lastField) == (slots)*TOLVANEA_W, #T " slot order")

TOLVANEA_STATIC_ASSERT(sizeof(RtWord) == sizeof(void*), "words are pointer-width");
TOLVANEA_STATIC_ASSERT(sizeof(RtHandle) == sizeof(void*), "handles are words");
TOLVANEA_STATIC_ASSERT(sizeof(RtBool) == 1, "bools are one byte");
TOLVANEA_STATIC_ASSERT(sizeof(RuntimeVersionFn) == sizeof(void*), "function pointers are words");

TOLVANEA_STATIC_ASSERT(sizeof(RuntimeRoot) == 18 * TOLVANEA_W, "RuntimeRoot size");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, runtimeVersion) == 1 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, runtimeFree) == 2 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, boundedListTable) == 3 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, digestTable) == 4 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, commandLineTable) == 5 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, fileTable) == 6 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, reservedTable) == 7 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, settingsTable) == 8 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, colorTable) == 9 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, valueListTable) == 10 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, calendarTable) == 11 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, bitStreamTable) == 12 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, randomTable) == 13 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, jpegTable) == 14 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, geometryTable) == 15 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, textTable) == 16 * TOLVANEA_W, "root layout");
TOLVANEA_STATIC_ASSERT(offsetof(RuntimeRoot, textReaderTable) == 17 * TOLVANEA_W, "root layout");

TOLVANEA_TABLE_LAYOUT(BoundedListTable, 8, clearBounded);
TOLVANEA_TABLE_LAYOUT(DigestTable, 3, md5Digest);
TOLVANEA_TABLE_LAYOUT(CommandLineTable, 5, hasOption);
TOLVANEA_TABLE_LAYOUT(FileTable, 34, seekFromCurrent);
TOLVANEA_TABLE_LAYOUT(ReservedTable, 2, reserved2);
TOLVANEA_TABLE_LAYOUT(SettingsTable, 15, freeSettings);
TOLVANEA_TABLE_LAYOUT(ColourTable, 4, hsvToRgb);
TOLVANEA_TABLE_LAYOUT(ValueListTable, 22, lastValue);
TOLVANEA_TABLE_LAYOUT(CalendarTable, 8, secondsToSystemTime);
TOLVANEA_TABLE_LAYOUT(BitStreamTable, 19, readBits);
TOLVANEA_TABLE_LAYOUT(RandomTable, 11, nextBytes);
TOLVANEA_TABLE_LAYOUT(JpegTable, 6, swapRedBlue);
TOLVANEA_TABLE_LAYOUT(GeometryTable, 8, stepLine);
TOLVANEA_TABLE_LAYOUT(TextTable, 6, matchWildcard);
TOLVANEA_TABLE_LAYOUT(TextReaderTable, 5, closeReader);

TOLVANEA_STATIC_ASSERT(offsetof(FileTable, writeLine2) == 22 * TOLVANEA_W, "FileTable slot 22");
TOLVANEA_STATIC_ASSERT(offsetof(SettingsTable, unused4) == 4 * TOLVANEA_W, "SettingsTable slot 4");

TOLVANEA_STATIC_ASSERT(sizeof(ListNode) == 4 * TOLVANEA_W, "ListNode is four words");
TOLVANEA_STATIC_ASSERT(offsetof(BoundedList, count) == TOLVANEA_W, "BoundedList layout");
TOLVANEA_STATIC_ASSERT(offsetof(BoundedList, context) == 2 * TOLVANEA_W + (TOLVANEA_W == 4 ? 4 : 0),
                       "BoundedList layout");
TOLVANEA_STATIC_ASSERT(offsetof(BoundedList, release) == offsetof(BoundedList, context) + TOLVANEA_W,
                       "BoundedList layout");
TOLVANEA_STATIC_ASSERT(sizeof(SettingEntry) == 8448, "SettingEntry size");
TOLVANEA_STATIC_ASSERT(sizeof(CommandLineOption) == 288, "CommandLineOption size");
TOLVANEA_STATIC_ASSERT(sizeof(SystemTime) == 16, "SystemTime size");
TOLVANEA_STATIC_ASSERT(sizeof(Segment) == 32, "Segment size");

#undef TOLVANEA_TABLE_LAYOUT
#undef TOLVANEA_W

#ifdef __cplusplus
}
#endif

#endif /* TOLVANEA_RUNTIME_H */
