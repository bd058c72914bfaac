#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "storage/file_name.h"  // hasFileExtension, for the steps that write picture files

// Strict readers of command-line words: the whole word must be the value.

// An optional sign and decimal digits, within the 32-bit signed range.
std::optional<int32_t> parseInt32(const std::string& word);
// The same within the 64-bit signed range.
std::optional<int64_t> parseInt64(const std::string& word);
// "RRGGBB" in hexadecimal (either case), as a packed 0x00BBGGRR color.
std::optional<uint32_t> parseHexColor(const std::string& word);
// "on" -> true, "off" -> false.
std::optional<bool> parseOnOff(const std::string& word);
// "0" or "1", the words of a flag.
bool isZeroOrOne(const std::string& word);
// A number as a dialog's text field holds it: an optional sign and digits, of any
// length (the field's own reading then keeps what it keeps).
bool isNumberText(const std::string& word);
