#pragma once
#include <iosfwd>
#include <string>

// The manual page of vospren-cli (groff, man macros). Its steps and options come
// from the same tables as --help, so the two cannot tell different stories.
void printManualPage(std::ostream& out, const std::string& version);
