#include "app/runtime_loader.h"

#include <dlfcn.h>

#include <cerrno>

#include "exchange/library_search.h"

namespace {
constexpr const char* kAvoidDialog = "Please click 'ok' for avoiding dialog";

// The reason the loader last failed, in the place where the error code goes.
std::string dlErrorText() {
    const char* text = dlerror();
    return text ? std::string(text) : std::to_string(errno);
}

bool bindRuntime(RuntimeBinding& binding, const std::string& path, void* handle, RuntimeMessages& messages) {
    dlerror();
    auto hh = reinterpret_cast<HHFn>(dlsym(handle, "HH"));
    if (!hh) {
        messages.show("The library '" + path + "' is not Tolvanea library\nError code : '" + dlErrorText() + "'\n" +
                      kAvoidDialog);
        dlclose(handle);
        return false;
    }
    RuntimeRoot root{};
    root.size = sizeof(RuntimeRoot);
    errno = 0;
    if (hh(&root) == 0) {
        messages.show("The library '" + path + "' has failed initialization\nError code : '" + std::to_string(errno) +
                      "'\n" + kAvoidDialog);
        // The library may have handed out pointers into itself: keep it mapped.
        return false;
    }
    binding.handle = handle;
    binding.root = root;
    return true;
}
}  // namespace

RuntimeBinding& runtimeBinding() {
    static RuntimeBinding binding;
    return binding;
}

bool loadRuntimeLibrary(RuntimeBinding& binding, const std::vector<std::string>& folders, bool systemSearch,
                        bool showMissing, RuntimeMessages& messages) {
    if (binding.handle) return true;

    std::string path = findLibrary(folders, kRuntimeFileName);
    if (!path.empty()) {
        dlerror();
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            messages.show("The loading library '" + path + "' has failed with error code : '" + dlErrorText() +
                          "'is required for good function application\n" + kAvoidDialog);
            return false;
        }
        return bindRuntime(binding, path, handle, messages);
    }
    if (systemSearch) {
        // The system's own search has no "exists" test: a library it cannot open
        // counts as not found.
        if (void* handle = dlopen(kRuntimeFileName, RTLD_NOW | RTLD_LOCAL)) {
            return bindRuntime(binding, kRuntimeFileName, handle, messages);
        }
    }
    if (showMissing) {
        messages.show(std::string("The file '") + kRuntimeFileName + "' is required for good function application\n" +
                      kAvoidDialog);
    }
    return false;
}
