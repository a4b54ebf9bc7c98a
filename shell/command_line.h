// Reading the screensaver's command line: skipping the program name and parsing the
// mode switch. Portable: the caller supplies the character stepping and the window checks.
#ifndef SELENARIUM_SHELL_COMMAND_LINE_H
#define SELENARIUM_SHELL_COMMAND_LINE_H

#include <stdint.h>

// Steps to the next character of a (possibly multi-byte) string.
typedef const char* (*NextCharFn)(const char* p);

// The default stepping for single-byte strings.
const char* NextSingleByteChar(const char* p);

// Returns the command-line tail after the program name and the blanks that follow it.
const char* SkipProgramName(const char* commandLine, NextCharFn next);

// Reads decimal digits as a 32-bit number (value * 10 + digit, wrapping, no overflow
// check); stops at the first non-digit. *end, when given, receives that position.
uint32_t ReadDecimalNumber(const char* p, const char** end);

enum SaverAction {
    ActionConfigureNoParent,   // empty command line
    ActionConfigureForeground, // c: owned by the foreground window
    ActionPreview,             // p / l with a non-zero number (still to be checked as a window)
    ActionFullScreen,          // s
    ActionWindowed,            // w
    ActionChangePassword,      // a (Windows 9x family only)
    ActionInvalid              // exit code -1
};

struct SaverSwitch {
    SaverAction action;
    uint32_t number;   // ActionPreview: the window number
    const char* rest;  // ActionWindowed, ActionChangePassword: the text after the letter and blanks
};

// Parses the mode switch of a command-line tail. bWin9x enables the 'a' switch.
SaverSwitch ParseSaverSwitch(const char* tail, bool bWin9x);

#endif
