#include "exchange/image_library.h"

#include <dlfcn.h>

#include "exchange/library_search.h"

namespace {

// The first place that holds the library: the program's folder, then the install
// folder; empty when neither does (the system's default search is tried then).
std::string locateImageLibrary() { return findLibrary(librarySearchFolders(), kImageLibraryFileName); }

template <typename Fn>
void bind(void* handle, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(::dlsym(handle, name));
}

std::string lastDlError(const char* fallback) {
    const char* text = ::dlerror();
    return text ? std::string(text) : std::string(fallback);
}

}  // namespace

bool loadImageLibraryFrom(const std::string& path, ImageLibrary& out, std::string* error) {
    out = ImageLibrary{};
    ::dlerror();  // clear any stale text so the one we report is ours
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) *error = lastDlError("cannot load the library");
        return false;
    }
    ImageLibrary lib;
    lib.handle = handle;
    bind(handle, "PG_SaveToDisk", lib.saveToDisk);
    bind(handle, "PG_LoadToDisk", lib.loadToDisk);
    bind(handle, "PG_BMP_LoadByWindows", lib.bmpLoadByWindows);
    bind(handle, "PG_Ver", lib.ver);
    bind(handle, "PG_Free", lib.free);
    bind(handle, "PG_GetSupportedExtensionOpen", lib.supportedExtensionOpen);
    bind(handle, "PG_GetSupportedExtensionSave", lib.supportedExtensionSave);
    if (!lib.ver) {
        // Without its version entry point the library is not ours: let it go again.
        if (error) *error = "the library '" + path + "' has no entry point PG_Ver";
        ::dlclose(handle);
        return false;
    }
    out = lib;
    if (error) error->clear();
    return true;
}

ImageLibrary& imageLibrary() {
    static ImageLibrary library;
    return library;
}

bool loadImageLibrary(ImageLibrary& out, std::string* error) {
    ImageLibrary& shared = imageLibrary();
    if (!shared.loaded()) {
        const std::string found = locateImageLibrary();
        // A file found in our own places is the one meant; if it fails to load we
        // report that rather than silently picking up another copy elsewhere.
        const bool ok = loadImageLibraryFrom(found.empty() ? std::string(kImageLibraryFileName) : found, shared, error);
        if (!ok) {
            out = ImageLibrary{};
            return false;
        }
    }
    out = shared;
    if (error) error->clear();
    return true;
}
