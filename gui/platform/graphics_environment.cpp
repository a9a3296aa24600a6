#include "gui/platform/graphics_environment.h"

namespace tagforge {

namespace {

constexpr std::string_view kDisableGpu = "--disable-gpu";

// Whether the space-separated `flags` hold `flag` as a whole word.
bool HoldsFlag(std::string_view flags, std::string_view flag) {
    std::size_t begin = 0;
    while (begin < flags.size()) {
        std::size_t end = flags.find(' ', begin);
        if (end == std::string_view::npos) {
            end = flags.size();
        }
        if (flags.substr(begin, end - begin) == flag) {
            return true;
        }
        begin = end + 1;
    }
    return false;
}

}  // namespace

GraphicsPath ChosenGraphicsPath(const std::optional<std::string>& tagforgeGl) {
    return tagforgeGl == "on" ? GraphicsPath::OpenGl : GraphicsPath::Software;
}

std::vector<EnvironmentSetting> GraphicsEnvironment(
    GraphicsPath path, const std::function<std::optional<std::string>(std::string_view)>& current) {
    std::vector<EnvironmentSetting> settings;
    if (path == GraphicsPath::OpenGl) {
        return settings;
    }
    for (const EnvironmentSetting& wanted : {EnvironmentSetting{"QT_XCB_GL_INTEGRATION", "none"},
                                             EnvironmentSetting{"QT_QUICK_BACKEND", "software"}}) {
        if (!current(wanted.name)) {
            settings.push_back(wanted);
        }
    }
    const std::string flags = current("QTWEBENGINE_CHROMIUM_FLAGS").value_or("");
    if (!HoldsFlag(flags, kDisableGpu)) {
        std::string more = flags;
        if (!more.empty()) {
            more += ' ';
        }
        more += kDisableGpu;
        settings.push_back({"QTWEBENGINE_CHROMIUM_FLAGS", more});
    }
    return settings;
}

}  // namespace tagforge
