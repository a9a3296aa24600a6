#include "gui/platform/graphics_environment.h"

#include <gtest/gtest.h>

#include <map>

namespace tagforge {
namespace {

using Environment = std::map<std::string, std::string, std::less<>>;

std::vector<EnvironmentSetting> Settings(GraphicsPath path, const Environment& environment) {
    return GraphicsEnvironment(path, [&](std::string_view name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    });
}

std::string Describe(const std::vector<EnvironmentSetting>& settings) {
    std::string text;
    for (const EnvironmentSetting& setting : settings) {
        text += setting.name + "=" + setting.value + ";";
    }
    return text;
}

TEST(GraphicsEnvironment, SoftwareAddsToWhatTheUserSetAndKeepsTheirValues) {
    const struct {
        Environment environment;
        std::string expected;
    } cases[] = {
        {{},
         "QT_XCB_GL_INTEGRATION=none;QT_QUICK_BACKEND=software;"
         "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu;"},
        {{{"QT_XCB_GL_INTEGRATION", "xcb_egl"}, {"QT_QUICK_BACKEND", ""}},
         "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu;"},
        {{{"QTWEBENGINE_CHROMIUM_FLAGS", "--force-dark-mode"}},
         "QT_XCB_GL_INTEGRATION=none;QT_QUICK_BACKEND=software;"
         "QTWEBENGINE_CHROMIUM_FLAGS=--force-dark-mode --disable-gpu;"},
        {{{"QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu-compositing"}},
         "QT_XCB_GL_INTEGRATION=none;QT_QUICK_BACKEND=software;"
         "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu-compositing --disable-gpu;"},
        {{{"QT_XCB_GL_INTEGRATION", "none"},
          {"QT_QUICK_BACKEND", "software"},
          {"QTWEBENGINE_CHROMIUM_FLAGS", "--lang=ru --disable-gpu"}},
         ""},
    };
    for (const auto& [environment, expected] : cases) {
        EXPECT_EQ(Describe(Settings(GraphicsPath::Software, environment)), expected) << expected;
    }
}

TEST(GraphicsEnvironment, OpenGlSetsNothing) {
    EXPECT_TRUE(Settings(GraphicsPath::OpenGl, {}).empty());
}

TEST(GraphicsEnvironment, OnlyOnChoosesOpenGl) {
    EXPECT_EQ(ChosenGraphicsPath(std::optional<std::string>("on")), GraphicsPath::OpenGl);
    for (const char* value : {"", "off", "1", "ON", "on "}) {
        EXPECT_EQ(ChosenGraphicsPath(std::optional<std::string>(value)), GraphicsPath::Software)
            << value;
    }
    EXPECT_EQ(ChosenGraphicsPath(std::nullopt), GraphicsPath::Software);
}

}  // namespace
}  // namespace tagforge
