#include "jpeg_fatal_error.h"

#include "platform.h"

namespace tolvanea {
namespace {

constexpr const char* fatalCaption = "JPEG Fatal Error";

void fatalExit(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, text);
    raiseJpegFailure(info, text);
}

}  // namespace

jpeg_error_mgr* installErrorTrap(JpegErrorTrap& trap) {
    jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
    manager->error_exit = fatalExit;
    return manager;
}

void raiseJpegFailure(j_common_ptr info, const char* text) {
    platformMessage(text, fatalCaption);
    // The manager is the first member of the trap, so its address is the trap's.
    auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    std::longjmp(trap->resume, 1);
}

// Kept out of line: the caller's locals must not share a frame with setjmp, whose return
// by longjmp leaves modified non-volatile locals of that frame undefined.
[[gnu::noinline]] bool runTrapped(JpegErrorTrap& trap, void (*work)(void*), void* arg) {
    if (setjmp(trap.resume)) return false;
    work(arg);
    return true;
}

}  // namespace tolvanea
