// Internal invariants of the shell: a failed check is a programming error that stops the
// program, naming the failed expression and the module it sits in.
#ifndef SELENARIUM_SHELL_SHELL_ASSERT_H
#define SELENARIUM_SHELL_SHELL_ASSERT_H

[[noreturn]] void ShellAssertFailed(const char* expression, const char* module);

#define SHELL_ASSERT(expression, module) \
    ((expression) ? (void)0 : ShellAssertFailed(#expression, module))

#endif
