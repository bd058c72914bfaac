// Path splitting by the drive / directory / name / extension rule, and the
// temporary-file path.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "file_services.h"

namespace tolvanea {
namespace {

struct PathParts {
    std::string drive;      // "C:" or empty
    std::string directory;  // up to and including the last '\' or '/'
    std::string name;       // without extension
    std::string extension;  // from the last '.' of the file name, with the dot
};

PathParts splitPath(const char* path) {
    PathParts parts;
    std::string text = path != nullptr ? path : "";
    std::size_t start = 0;
    if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':') {
        parts.drive = text.substr(0, 2);
        start = 2;
    }
    std::size_t slash = text.find_last_of("\\/");
    std::size_t nameStart = start;
    if (slash != std::string::npos && slash >= start) {
        parts.directory = text.substr(start, slash + 1 - start);
        nameStart = slash + 1;
    }
    std::string fileName = text.substr(nameStart);
    std::size_t dot = fileName.rfind('.');
    if (dot != std::string::npos) {
        parts.extension = fileName.substr(dot);
        fileName.resize(dot);
    }
    parts.name = fileName;
    return parts;
}

}  // namespace

bool copyPathText(const std::string& text, char* out) {
    if (out == nullptr) return false;
    if (text.size() > kMaxPathText) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

RtBool folderOfPath(const char* path, char* out) {
    PathParts parts = splitPath(path);
    return copyPathText(parts.drive + parts.directory, out) ? 1 : 0;
}

RtBool fileNameOfPath(const char* path, char* out) {
    PathParts parts = splitPath(path);
    return copyPathText(parts.name + parts.extension, out) ? 1 : 0;
}

RtBool baseNameOfPath(const char* path, char* out) { return copyPathText(splitPath(path).name, out) ? 1 : 0; }

RtBool extensionOfPath(const char* path, char* out) { return copyPathText(splitPath(path).extension, out) ? 1 : 0; }

RtBool tempFilePath(char* out, const char* name) {
    const char* environment = std::getenv("TMPDIR");
    std::string folder = environment != nullptr && environment[0] != '\0' ? environment : "/tmp";
    // The folder comes with its trailing separator and a further one follows.
    if (folder.back() != '/') folder += '/';
    return copyPathText(folder + "/" + (name != nullptr ? name : ""), out) ? 1 : 0;
}

}  // namespace tolvanea
