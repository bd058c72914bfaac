// The process-wide list of /name value options taken from the process's own
// command line (/proc/self/cmdline).
#pragma once

#include <string>
#include <vector>

#include "tolvanea/runtime.h"

namespace tolvanea {

RtBool clearOptions();
RtBool parseCommandLine();
RtBool getOption(const char* name, char* outValue);
RtBool isOptionTrue(const char* name);
RtBool hasOption(const char* name);

// Appends the options found in args (args[0] is the program) to the list;
// parseCommandLine feeds it the process's arguments.
void appendOptions(const std::vector<std::string>& args);

// One argument as the option record stores it: UTF-8 decoded to UTF-16, then
// the low byte of every unit.
std::string argumentBytes(const std::string& argument);

}  // namespace tolvanea
