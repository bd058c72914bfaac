#pragma once
#include <cstdint>
#include <new>
#include <string>

class Interaction;

// Messages that several commands show, each written once. All of them go out with
// the error icon under the main caption.

// "Not enough memory for a picture of W x H": a picture that could not be made.
std::string noMemoryForPictureText(int64_t width, int64_t height);
void reportNoMemoryForPicture(Interaction& ui, int64_t width, int64_t height);

// An operation that ran out of memory: its own message when it threw OutOfMemory,
// else "Not enough memory to filter this picture".
inline constexpr const char* kNoMemoryToFilter = "Not enough memory to filter this picture";
void reportOutOfMemory(Interaction& ui, const std::bad_alloc& failure);

// "Level 45 %": the blend level that the last shape left, which the insertion, the
// color fill and the filters apply on top of; empty at full strength (255).
std::string blendLevelText(int blendLevel);

// A picture file name without an extension, which picks the format.
inline constexpr const char* kNoExtensionMessage = "Please enter extension eg(.jpg)";

// "Cannot save PATH: REASON", the system's reason for a file that could not be written.
std::string cannotSaveMessage(const std::string& path, const std::string& reason);

// A picture file that could not be written: "Failure export image PATH", then
// "Erreur exportation", each as it always read; then, when the system's reason is
// known, "Cannot save PATH: REASON".
void reportExportFailure(Interaction& ui, const std::string& path, const std::string& reason = {});
