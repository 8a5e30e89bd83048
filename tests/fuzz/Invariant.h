// What a fuzzer holds true of every input beyond "no crash": a broken
// invariant aborts, so that libFuzzer keeps the input as a finding.
#pragma once
#include <cstdio>
#include <cstdlib>

#define INVARIANT(condition)                                                                     \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
