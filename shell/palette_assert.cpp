#include "palette_assert.h"

#include <cstdio>
#include <cstdlib>

void PaletteAssertionFailed(const char* expression)
{
    std::fprintf(stderr, "Assertion failed: %s, module palette\n", expression);
    std::fflush(stderr);
    std::abort();
}
