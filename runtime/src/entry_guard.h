// The one guard between the library's C++ and its C callers. Every slot of
// every table is filled with guarded<function> (or guarded<function, failure>):
// the function runs inside a try block, and whatever it throws (std::bad_alloc
// from a std::string or std::vector, mostly) comes back as the slot's failure
// result instead of crossing the C boundary, where it would end the host.
//
// The failure result is the value-initialised result (false, null, 0) unless
// the slot names another one (RT_INVALID_HANDLE for the opens, 0xFFFFFFFF for
// positions and sizes, ...). Void slots simply return.
#pragma once

#include <type_traits>

namespace tolvanea {

template <auto Function, auto... Failure>
struct GuardedEntry;

template <class Result, class... Args, Result (*Function)(Args...), auto... Failure>
struct GuardedEntry<Function, Failure...> {
    static_assert(sizeof...(Failure) <= 1, "one failure result at most");
    static_assert(!std::is_void_v<Result> || sizeof...(Failure) == 0, "a void slot has no failure result");

    static Result call(Args... args) noexcept {
        try {
            return Function(args...);
        } catch (...) {
            if constexpr (std::is_void_v<Result>)
                return;
            else if constexpr (sizeof...(Failure) == 0)
                return Result{};
            else
                return static_cast<Result>((Failure, ...));
        }
    }
};

template <auto Function, auto... Failure>
inline constexpr auto guarded = &GuardedEntry<Function, Failure...>::call;

}  // namespace tolvanea
