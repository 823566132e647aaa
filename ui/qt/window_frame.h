#pragma once

#include <QSize>

#include "ui/window_layout.h"

class QWidget;

namespace qinghe {

// The window tables give outer sizes, frame and title bar included, while Qt sizes the client
// area and leaves the frame to the window manager. These are the frame of a fixed-size window
// with a title bar as the tables count it.
inline constexpr int kFrameBorder = 3;
inline constexpr int kTitleBarHeight = 22;

QSize clientSizeOf(const WindowSpec& layout);

// Fixed size, a title bar with the close button only, centred on the screen.
void fixWindowFrame(QWidget& window, const WindowSpec& layout);

}  // namespace qinghe
