#pragma once
#include <string>

// Whether the last part of a path (after its last '/') has an extension: a '.'
// followed by at least one character ("a.png", ".vpal"; not "a", "a.", "b.d/a").
bool hasFileExtension(const std::string& path);

// The folder a path names its file in: "." for a bare name, "/" at the root.
std::string folderOf(const std::string& path);

// Why writing `path` failed, in the system's words ("Permission denied"), from the
// folder and the file as they stand, else from `savedErrno` (errno right after the
// failed write, 0 when unknown).
std::string writeFailureReason(const std::string& path, int savedErrno);

// The path as typed, or with `extension` (".vscfg") added when it has none, so that
// a name typed without one still names a file of the kind being saved. An existing
// folder is left as it is.
std::string withDefaultExtension(const std::string& path, const std::string& extension);
