#pragma once

#include "gui/platform/graphics_environment.h"

class QWidget;

namespace tagforge {

// The drawing path TAGFORGE_GL chooses.
GraphicsPath ChosenGraphicsPath();

// Sets up the chosen path; must run before the application object exists.
void PrepareGraphics();

// Gives `window`, before its first show, the composition its browser views need, so that showing
// the first of them does not make its native window anew (a flicker, and some window managers
// forget the window's place). Only OpenGL needs it: software-drawn views need no change.
void PrepareWindowForBrowserViews(QWidget& window);

}  // namespace tagforge
