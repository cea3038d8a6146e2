// Reading a window's layout back from the real windows: a control's place and
// size in its parent's client area, and a window's caption or text.
#pragma once

#include <string>

#include "gui/Win32.h"

// A control's rectangle in the client coordinates of its parent window.
RECT PlaceOf(HWND h);

// A window's text (its caption, or a control's text), in code page 932.
std::string TextOf(HWND h);
