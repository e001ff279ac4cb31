// The page zoom steps of Ctrl+= / Ctrl+- / Ctrl+0 and Ctrl+wheel, the ones people know from their
// browser.
#pragma once

namespace tavrik::gtk {

enum class ZoomChange { in, out, reset };

// The level after the change: the next step above or below the current level (which may lie
// between steps after a level was set elsewhere), staying at the ends; 1 for a reset.
double next_zoom_level(double current, ZoomChange change);

}  // namespace tavrik::gtk
