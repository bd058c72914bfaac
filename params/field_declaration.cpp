#include "params/field_declaration.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

int fieldIndex(const BlockDeclaration& block, const char* name) {
    for (size_t i = 0; i < block.fields.size(); ++i)
        if (std::strcmp(block.fields[i].name, name) == 0) return int(i);
    return -1;
}

const FieldDeclaration& fieldNamed(const BlockDeclaration& block, const char* name) {
    const int i = fieldIndex(block, name);
    if (i < 0) std::abort();  // a name the block does not declare: a fault found by its first use
    return block.fields[size_t(i)];
}

int choiceIndex(const FieldDeclaration& field, std::string_view word) {
    for (size_t i = 0; i < field.choices.size(); ++i)
        if (word == field.choices[i].word) return int(i);
    return -1;
}

std::vector<const FieldDeclaration*> stepArguments(const BlockDeclaration& block, int step) {
    std::vector<const FieldDeclaration*> arguments;
    for (const FieldDeclaration& f : block.fields)
        if (f.argument.name && f.argument.step == step) arguments.push_back(&f);
    std::stable_sort(arguments.begin(), arguments.end(), [](const FieldDeclaration* a, const FieldDeclaration* b) {
        return a->argument.position < b->argument.position;
    });
    return arguments;
}

StoredWidth storedWidth(const FieldDeclaration& f) {
    if (f.access.list) return StoredWidth::List;
    if (f.access.bytes) return StoredWidth::Bytes;
    switch (f.kind) {
    case FieldKind::Byte:
    case FieldKind::Flag:
    case FieldKind::MixLevel:
    case FieldKind::Choice:
        return StoredWidth::U8;
    case FieldKind::Angle:
        return StoredWidth::U16;
    case FieldKind::Color:
        return StoredWidth::U32;
    default:
        return StoredWidth::I32;
    }
}
