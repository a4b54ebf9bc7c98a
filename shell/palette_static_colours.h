// Taking the system palette's static colours over for a window that needs the whole
// system palette, and giving them back: while taken, the 25 interface colours are black
// and white; given back, they are the user's own from "Control Panel\Colors".
#ifndef SELENARIUM_SHELL_PALETTE_STATIC_COLOURS_H
#define SELENARIUM_SHELL_PALETTE_STATIC_COLOURS_H

#include <windows.h>

#include "palette.h"

// Switches the static colours off and replaces the interface colours, saving the current
// ones; true at once when already done. False when the system keeps its static colours.
bool TakeOverStaticColours(SaverPalette* pPalette, HDC hdc);

// Restores the static colours and the interface colours (the user's from the registry,
// else the saved ones); nothing when they are not replaced.
void GiveBackStaticColours(SaverPalette* pPalette, HDC hdc);

// Reads the user's colours of the first nColors elements into colours; elements whose
// value is missing, too long, not text or not three numbers keep their colour.
void ReadUserColours(COLORREF* colours, int nColors);

#endif
