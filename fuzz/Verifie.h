// What the fuzz targets share: a check that stops the run with the broken property.
#pragma once

#include <cstdio>
#include <cstdlib>

#define VERIFIE(condition)                                                                        \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)
