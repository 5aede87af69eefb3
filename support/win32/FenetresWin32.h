// Thin helpers over a window handle.
#pragma once

#include <windows.h>

#include "Metriques.h"

// Centres a window on the screen: left = (screen width - window width) / 2, top likewise,
// but never above or left of the screen's corner, so that a window larger than the
// screen keeps its caption reachable. A child window is centred in screen coordinates
// too, converted to its parent's client area. Size and Z order are unchanged.
void FeuilleCentre(HWND fenêtre);
