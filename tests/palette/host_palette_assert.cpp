// On the host the palette code runs only inside these tests: a failed check prints the
// expression and stops, which the death tests look for.
#include "palette_assert.h"

#include <cstdio>
#include <cstdlib>

void PaletteAssertionFailed(const char* expression)
{
    std::fprintf(stderr, "Assertion failed: %s (palette)\n", expression);
    std::fflush(stderr);
    std::abort();
}
