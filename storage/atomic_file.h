#pragma once
#include <cstddef>
#include <string>

// Replaces the file at `path` with `size` bytes in one step. The bytes go to a new
// file in the same folder; every write, the flush to the disc and the close are
// checked, and only then is the new file renamed over the old one. Whatever fails
// (a full disc, a folder that cannot be written, a crash half way), the old file is
// left whole: readers see either the old contents or the new ones, never a mix.
//
// Files are used without sharing: a file that another holds under an exclusive
// advisory lock (flock) is not replaced. A symbolic link is followed, so that the file it names is replaced and the
// link stays. A new file gets the usual permissions (0666 less the umask), a replaced one keeps its own. Returns false
// on failure with the reason in `error` (when given), e.g. "No space left on device".
bool writeFileAtomically(const std::string& path, const void* data, size_t size, std::string* error = nullptr);
