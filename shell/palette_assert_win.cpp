// In the saver, a failed palette check stops the program the way every shell check does.
#include "palette_assert.h"

#include "shell_assert.h"

void PaletteAssertionFailed(const char* expression)
{
    ShellAssertFailed(expression, "palette");
}
