#pragma once

class QWidget;

namespace launch {

// Keeps a shown top-level window within reach on its screen: where its
// frame doesn't fit the screen's available area, it moves so that as much
// of it shows as fits, and never so far that its frame's top-left corner,
// and so its title bar, leaves the area. Checked once the window is shown,
// and whenever the area changes (a projector unplugged, the resolution
// switched) or the window goes to another screen.
void keepWithinReach(QWidget *window);

} // namespace launch
