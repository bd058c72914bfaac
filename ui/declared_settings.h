#pragma once
#include "params/field_declaration.h"

// The fields of a block that the program's own settings keep (a Choice with a
// settings key): read into a record, where a missing or unknown value leaves the
// field as it is, and written from one.
void readDeclaredSettings(const BlockDeclaration& block, void* record);
void writeDeclaredSettings(const BlockDeclaration& block, const void* record);
