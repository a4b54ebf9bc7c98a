// Internal invariants of the palette code. A failed check is a programming error: it
// names the expression and the module, then stops the program.
#ifndef SELENARIUM_SHELL_PALETTE_ASSERT_H
#define SELENARIUM_SHELL_PALETTE_ASSERT_H

[[noreturn]] void PaletteAssertionFailed(const char* expression);

#define PALETTE_ASSERT(expression) \
    ((expression) ? (void)0 : PaletteAssertionFailed(#expression))

#endif
