#pragma once
// The JPEG library's standard error manager with a fatal-error exit that shows the
// library's message in a "JPEG Fatal Error" box and returns control to the operation.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tolvanea {

struct JpegErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf resume;
};

// Sets up the standard manager with the fatal exit replaced; returns the manager to store
// in the JPEG object's err field.
jpeg_error_mgr* installErrorTrap(JpegErrorTrap& trap);

// Shows text in the fatal-error box and returns to the trap, like a library error does.
[[noreturn]] void raiseJpegFailure(j_common_ptr info, const char* text);

// Runs work(arg) so that a fatal error inside it comes back here as false. The work must
// own nothing that needs a destructor: whatever it allocates is recorded in a record
// that the caller releases after a failure.
bool runTrapped(JpegErrorTrap& trap, void (*work)(void*), void* arg);

}  // namespace tolvanea
