#pragma once
// A fuzz target's check: one that fails stops the run, and libFuzzer keeps the input.

#include <cstdlib>

inline void Require(bool condition) {
    if (!condition) std::abort();
}
