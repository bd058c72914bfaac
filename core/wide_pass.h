#pragma once

// Loops over whole pictures and rows (the filters' passes, the exchange coders' row
// conversions and PNG row filters) are compiled twice from the same source: for the
// baseline instruction set and, on x86, for AVX2, picked per call by what the processor
// offers. Their arithmetic is integer or plain double without fused operations, so both
// give identical results; the wider one only handles more entries per instruction.
//
// A pass is written once as a WIDE_PASS_BODY function (always inlined) and called as
// widePass<body>(arguments...), which compiles the body into a WIDE_TARGET
// function and a plain one and picks between them through useWideVectors().

#if defined(__x86_64__) || defined(__i386__)
#define WIDE_PASS_BODY [[gnu::always_inline]] inline
#define WIDE_TARGET [[gnu::target("avx2")]]
inline bool processorHasWideVectors() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#else
#define WIDE_PASS_BODY inline
#define WIDE_TARGET
inline bool processorHasWideVectors() { return false; }
#endif

// Lets tests and benchmarks run the baseline passes on a processor that has the wide ones.
inline bool& wideVectorsAllowed() {
    static bool allowed = true;
    return allowed;
}

inline bool useWideVectors() { return wideVectorsAllowed() && processorHasWideVectors(); }

template <auto Body>
struct WidePass;

template <class Result, class... Args, Result (*Body)(Args...)>
struct WidePass<Body> {
    WIDE_TARGET static Result wide(Args... args) { return Body(args...); }
    static Result baseline(Args... args) { return Body(args...); }
    static Result run(Args... args) { return useWideVectors() ? wide(args...) : baseline(args...); }
};

template <auto Body>
inline constexpr auto widePass = &WidePass<Body>::run;
