// Where a window lies among the monitors of the desktop, all in twips. The desktop is the
// union of the monitors' rectangles, which may differ in size and leave gaps between them.
#pragma once

#include <vector>

#include "platform/Platform.h"

namespace myu {

// The monitor a window of that rectangle is on: the one that holds the largest part of it,
// or, when none holds any of it, the nearest one. The first monitor for an empty list's
// stand-in (a default ScreenArea) when there is none.
ScreenArea monitorOf(const std::vector<ScreenArea>& monitors, int left, int top, int width,
                     int height);

// True when the window lies on the desktop at least one twip inside its outer edges: every
// point of it and of a one-twip border round it is on some monitor. A window across the
// border of two monitors side by side is on the desktop; one that reaches into the gap below
// the smaller of them is not.
bool onDesktop(const std::vector<ScreenArea>& monitors, int left, int top, int width, int height);

// Keeps a window on one monitor: a window reaching over an edge is pulled back so that it lies
// one twip inside that edge; a window larger than the monitor keeps its top-left corner on it.
void keepOnMonitor(const ScreenArea& monitor, int& left, int& top, int width, int height);

// A window on the desktop stays where it is; any other is brought onto the monitor it is on
// (the nearest one when it is on none) by keepOnMonitor.
void keepOnDesktop(const std::vector<ScreenArea>& monitors, int& left, int& top, int width,
                   int height);

}  // namespace myu
