#pragma once
#include <atomic>

// The threads the exchange coders share their bands over: VOSPREN_THREADS=N limits
// them (1: all on the calling thread); without it every core is used.
int pngThreads();

// Overrides VOSPREN_THREADS for the rest of the process (tests and benchmarks compare
// counts within one run); 0 goes back to the environment's choice.
std::atomic<int>& pngThreadsOverride();
