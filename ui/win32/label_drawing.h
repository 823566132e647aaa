#pragma once

#include <windows.h>

namespace qinghe::win32 {

// The labels draw themselves (owner-drawn statics): one line on the button-face colour in the
// label's font. A plain label is black and left-aligned; the status line is red and centred, over
// a white copy one pixel right and down that makes it look raised.
void drawLabel(const DRAWITEMSTRUCT& item, bool isStatusLine, int offsetPixels);

}  // namespace qinghe::win32
