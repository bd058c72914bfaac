#pragma once
#include <new>

// How an operation says it ran out of memory: it throws std::bad_alloc, and the
// command runner shows the message. OutOfMemory carries a message of the
// operation's own; a plain std::bad_alloc gets the runner's general one.
class OutOfMemory : public std::bad_alloc {
public:
    explicit OutOfMemory(const char* message) : message_(message) {}
    const char* what() const noexcept override { return message_; }

private:
    const char* message_;  // a string literal
};
