#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagforge {

// Who draws the window and the browser engine's pages. Software drawing is the default: a chat
// text tool gains nothing from OpenGL, and the software OpenGL that virtual machines and remote
// desktops get costs the start-up time and memory of a whole compiler (Mesa's llvmpipe).
enum class GraphicsPath { Software, OpenGl };

// The path TAGFORGE_GL asks for: "on" brings OpenGL back, anything else (or nothing) is software.
GraphicsPath ChosenGraphicsPath(const std::optional<std::string>& tagforgeGl);

struct EnvironmentSetting {
    std::string name;
    std::string value;
};

// What the start sets for `path` before the application object exists, given the current value
// of a variable: Qt's xcb OpenGL integration and its scene graph turned to software, and the
// engine's GPU process off. A user's own value of a variable is kept; the engine's flags are
// added to, never replaced. OpenGL needs nothing set.
std::vector<EnvironmentSetting> GraphicsEnvironment(
    GraphicsPath path, const std::function<std::optional<std::string>(std::string_view)>& current);

}  // namespace tagforge
