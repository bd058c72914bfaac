#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// One declaration per parameter block: for each field, what it is, how its dialog
// shows it, how vospren-cli takes it and where the configuration file keeps it.
// The dialogs (ui/declared_fields.*), the command-line steps (cli/declared_steps.*)
// and the configuration file (params/configuration_file.cpp) are built from these,
// so that a field is named in its record, in the code that uses it and here.

enum class FieldKind {
    Number,       // a whole number typed in a text field, kept in 32 bits
    Byte,         // a whole number typed in a text field, kept as its low 8 bits
    Percentage,   // a whole number from 0 to 100; the dialog's OK refuses others
    Flag,         // a check box: 1 checked, 0 not
    Color,        // a color swatch, 0x00BBGGRR, or a "none" value
    FileList,     // a sorted list of picture files
    Text,         // a path typed in a text field, kept zero-terminated in fixed bytes
    Angle,        // whole degrees typed in a text field
    MixLevel,     // a level 0..255 typed and shown as a percentage
    InsertCombo,  // the insertion history: file entries and the browse entry
    Choice,       // one of a few choices, shown in a combo box by their labels, typed as their words
    Reserved,     // stored with the block, never shown
};

// The items of the configuration file, in the file's order. A field names the item
// it is stored in and its place there; an item holds the fields that name it.
enum class ConfigurationItem : int8_t {
    None = -1,
    Circle,
    Polygon,
    Rectangle,
    Vector,
    CircleMix,
    MixRange,
    NewPicture,
    Noise,
    BlendColor,
    Configuration,
    CircleMixFiles,
    TagFiles,
    TagCount,
    Tag,
    TagInsert,
    InsertHistory,
    Sharpen,
};

// Where the configuration file keeps a field; its width follows from its kind and
// its record's type (storedWidth).
struct StoredPlace {
    ConfigurationItem item = ConfigurationItem::None;
    int8_t order = 0;  // place among the item's fields
};

// The words a command-line argument takes.
enum class ArgumentForm : uint8_t {
    FromKind,   // as the field's kind says: a 32-bit number (its low byte for Byte, 0..100 for Percentage),
                // a word for a path, a number as typed where the field reads its own text
    ZeroOrOne,  // "0" or "1"
    NonZero,    // a 32-bit number; anything but 0 sets the flag
    OnOff,      // "on" or "off"
    Color,      // "RRGGBB" or "none"
    Choice,     // one of the choice words
    // The forms of arguments that no field holds (LooseArgument):
    Number,      // a 32-bit number within the argument's range
    NumberText,  // a sign and digits of any length, as a dialog's text field holds a number
    Number64,    // a 64-bit number
    Word,        // any word but the empty one
    FileName,    // a path whose file name has an extension
    Rgb,         // "RRGGBB"
};

struct StepArgument {
    const char* name = nullptr;  // "RAYMIN"; null: not an argument
    int8_t step = 0;             // which of the block's steps takes it
    int8_t position = 0;         // place among that step's arguments
    ArgumentForm form = ArgumentForm::FromKind;
};

// One answer of a Choice field: the word vospren-cli and the program's settings take,
// the combo box's text (the word where none) and the text shown when it is pointed at.
struct ChoiceDeclaration {
    const char* word;
    const char* label = nullptr;
    const char* tooltip = nullptr;
};

// Where a section laid out as a grid puts a field: its row, its column and the columns
// it spans, and the column of its label (-1: none). A color field with a "no color"
// box takes two rows: the box, then its label and swatch side by side.
struct GridPlace {
    int8_t row = -1;  // -1: the section is a form, the fields in their order
    int8_t column = 0;
    int8_t span = 1;
    int8_t labelColumn = -1;
};

// Reading and writing one field of a block, whatever the block's type.
struct FieldAccess {
    int64_t (*get)(const void* block) = nullptr;
    void (*set)(void* block, int64_t value) = nullptr;
    std::vector<std::string>* (*list)(void* block) = nullptr;  // FileList, InsertCombo
    uint8_t* (*bytes)(void* block) = nullptr;                  // Text, Reserved
    size_t size = 0;                                           // bytes of a Text or Reserved field
};

template <class Block, auto Member>
FieldAccess fieldOf() {
    using Value = std::remove_cvref_t<decltype(std::declval<Block&>().*Member)>;
    FieldAccess a;
    if constexpr (std::is_same_v<Value, std::vector<std::string>>) {
        a.list = [](void* b) { return &(static_cast<Block*>(b)->*Member); };
    } else if constexpr (std::is_array_v<Value>) {
        a.bytes = [](void* b) { return reinterpret_cast<uint8_t*>(static_cast<Block*>(b)->*Member); };
        a.size = sizeof(Value);
    } else {
        a.get = [](const void* b) { return int64_t(static_cast<const Block*>(b)->*Member); };
        a.set = [](void* b, int64_t v) { static_cast<Block*>(b)->*Member = static_cast<Value>(v); };
    }
    return a;
}

struct FieldDeclaration {
    const char* name;  // the record's member
    FieldKind kind;
    FieldAccess access;
    // The dialog's control: its number (the control is named "edit<id>", "check<id>"
    // or "color<id>"), or its name where it has no number.
    int controlId = 0;
    const char* controlName = nullptr;
    const char* label = nullptr;  // the row's label, or the check box's text
    const char* tooltip = nullptr;
    int8_t section = 0;  // which of the dialog's forms or groups holds it
    GridPlace place = {};
    bool digitsOnly = true;         // a text field that takes digits only as typed
    bool checkedOnlyAtOne = false;  // Flag: the box shows checked for 1 only, not for any other non-zero
    int readChars = 63;             // how much of a text field the OK reads; -1: all of it
    // Where the kind's plain decimal reading does not apply: how the typed text
    // becomes the value, and which number the field shows for a value.
    int64_t (*fromText)(std::string_view text) = nullptr;
    int64_t (*shownNumber)(int64_t value) = nullptr;
    // Text: the text a block holds, and storing a typed one.
    std::string (*textOf)(const void* block) = nullptr;
    void (*storeText)(void* block, std::string_view text) = nullptr;
    // FileList: the list's rule, shared by the dialog's list and the command line.
    int (*addToList)(std::vector<std::string>& list, const std::string& path) = nullptr;  // place or -1
    bool (*listOrder)(const std::string& a, const std::string& b) = nullptr;
    // InsertCombo: the entries shown for a stored list, and the one that asks for files.
    std::vector<std::string> (*entriesShown)(const std::vector<std::string>& list) = nullptr;
    const char* browseEntry = nullptr;
    std::vector<ChoiceDeclaration> choices = {};  // Choice: in the combo's order
    // Choice: the key of the program's own settings that keeps it, as its index or its word.
    const char* settingsKey = nullptr;
    bool keptAsWord = false;
    // Color: the check box that stands for "no color", and the value it stores.
    const char* noneLabel = nullptr;
    int noneControlId = 0;
    uint32_t noneValue = 0xFFFFFFFFu;
    StepArgument argument = {};
    StoredPlace stored = {};
};

// An argument that no field holds: the step's runner reads it itself.
struct LooseArgument {
    const char* name;  // "FILE"
    int8_t position = 0;
    ArgumentForm form = ArgumentForm::Word;
    std::vector<const char*> choices = {};        // Choice: the words; the runner takes the word's index
    int32_t least = INT32_MIN, most = INT32_MAX;  // Number
};

// A step of vospren-cli: the block's fields that name it and its loose arguments, in
// position order.
struct StepDeclaration {
    const char* word;
    const char* help;       // the one line of --help and the manual page
    const char* note = "";  // said after a usage error about the arguments
    std::vector<LooseArgument> loose = {};
};

// The check that the dialog's OK and the command-line step share: the index of the
// first field at fault and its message, or -1.
struct CheckResult {
    int field = -1;
    const char* message = nullptr;
};

struct BlockDeclaration {
    const char* name;
    std::vector<FieldDeclaration> fields;    // in the order the dialog makes its controls
    std::vector<const char*> sections = {};  // group titles by section; "" or none: no group
    std::vector<StepDeclaration> steps = {};
    CheckResult (*check)(const void* block) = nullptr;
    // A fresh record of the block, where the command line tries its arguments on the check.
    std::shared_ptr<void> (*newRecord)() = nullptr;
    // What the dialog's OK does to the block when the check fails, before staying open.
    void (*afterFailedCheck)(void* block) = nullptr;
};

// How a field is laid out in the configuration file, little-endian.
enum class StoredWidth : uint8_t { U8, U16, U32, I32, Bytes, List };
StoredWidth storedWidth(const FieldDeclaration& field);

template <class Block>
std::shared_ptr<void> newRecordOf() {
    return std::make_shared<Block>();
}

// The field of that name; aborts on a name the block does not declare (a fault of
// the program, found by the first use).
const FieldDeclaration& fieldNamed(const BlockDeclaration& block, const char* name);
int fieldIndex(const BlockDeclaration& block, const char* name);

// The place of the Choice field's answer with that word; -1 for none.
int choiceIndex(const FieldDeclaration& field, std::string_view word);

// The fields that are arguments of step `step`, by position.
std::vector<const FieldDeclaration*> stepArguments(const BlockDeclaration& block, int step);
