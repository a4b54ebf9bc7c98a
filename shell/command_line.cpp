#include "command_line.h"

const char* NextSingleByteChar(const char* p)
{
    return *p ? p + 1 : p;
}

static bool IsBlankOrControl(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

const char* SkipProgramName(const char* commandLine, NextCharFn next)
{
    const char* p = commandLine;
    if (*p == '"') {
        p = next(p);
        while (*p && *p != '"')
            p = next(p);
        if (*p == '"')
            p = next(p);
    } else {
        while (static_cast<unsigned char>(*p) > 32)
            ++p;
    }
    while (IsBlankOrControl(*p))
        ++p;
    return p;
}

uint32_t ReadDecimalNumber(const char* p, const char** end)
{
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + static_cast<uint32_t>(*p - '0');
        ++p;
    }
    if (end)
        *end = p;
    return value;
}

static const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}

SaverSwitch ParseSaverSwitch(const char* tail, bool bWin9x)
{
    SaverSwitch result = {ActionInvalid, 0, nullptr};
    for (const char* p = tail;; ++p) {
        // Compared as signed bytes: anything of 128 or more is no switch letter.
        signed char c = static_cast<signed char>(*p);
        switch (c) {
        case 0:
            result.action = ActionConfigureNoParent;
            return result;
        case ' ':
        case '-':
        case '/':
            continue;
        case 'A':
        case 'a':
            if (bWin9x) {
                result.action = ActionChangePassword;
                result.rest = SkipBlanks(p + 1);
            }
            return result;
        case 'C':
        case 'c':
            result.action = ActionConfigureForeground;
            return result;
        case 'L':
        case 'l':
        case 'P':
        case 'p':
            result.number = ReadDecimalNumber(SkipBlanks(p + 1), nullptr);
            if (result.number != 0)
                result.action = ActionPreview;
            return result;
        case 'S':
        case 's':
            result.action = ActionFullScreen;
            return result;
        case 'W':
        case 'w':
            result.action = ActionWindowed;
            result.rest = SkipBlanks(p + 1);
            return result;
        default:
            return result;
        }
    }
}
