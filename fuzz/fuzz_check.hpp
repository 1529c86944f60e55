#pragma once
// A broken invariant in a fuzz target: the message and an abort, so libFuzzer keeps
// the input that did it.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                     \
  do {                                                                            \
    if (!(condition)) {                                                           \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                               \
    }                                                                             \
  } while (false)
