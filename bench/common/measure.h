// Helpers the benchmarks share: the median of timings, and binding functions of
// a library loaded with dlopen (a missing one ends the benchmark).
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <vector>

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[(v.size() - 1) / 2];
}

template <typename F> void bind(void *lib, F &f, const char *name)
{
    f = reinterpret_cast<F>(dlsym(lib, name));
    if (!f) {
        std::fprintf(stderr, "library lacks %s\n", name);
        std::exit(1);
    }
}
