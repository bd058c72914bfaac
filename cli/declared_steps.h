#pragma once
#include <string>
#include <vector>

#include "cli/step_table.h"
#include "params/field_declaration.h"

// vospren-cli steps made from their declarations (params/declarations.h and the
// steps' own files): the usage from the arguments' names in their order, the help
// line and the note from the declaration, the check from each argument's form and
// the block's check.

// Step `step` of `block`; `run` does its work and stores the arguments where the
// window's flow would (storeArguments).
Step declaredStep(const BlockDeclaration& block, int step, Step::Runner run);
// A step that stores no block: its arguments are all loose ones.
Step declaredStep(const StepDeclaration& step, Step::Runner run);

// Puts the step's arguments in `record` as the dialog's OK would: numbers whole,
// bytes as their low 8 bits, flags as 0 or 1, typed text read as the field reads it,
// a file added to its list under the list's rule.
void storeArguments(const BlockDeclaration& block, int step, const std::vector<std::string>& args, void* record);
