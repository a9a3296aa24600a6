#include "gui/platform/graphics_setup.h"

#include <QCoreApplication>
#include <QOpenGLWidget>
#include <QWidget>

namespace tagforge {

namespace {

std::optional<std::string> EnvironmentValue(std::string_view name) {
    const QByteArray key(name.data(), static_cast<qsizetype>(name.size()));
    if (!qEnvironmentVariableIsSet(key.constData())) {
        return std::nullopt;
    }
    return qgetenv(key.constData()).toStdString();
}

}  // namespace

GraphicsPath ChosenGraphicsPath() {
    return ChosenGraphicsPath(EnvironmentValue("TAGFORGE_GL"));
}

void PrepareGraphics() {
    const GraphicsPath path = ChosenGraphicsPath();
    for (const EnvironmentSetting& setting : GraphicsEnvironment(path, EnvironmentValue)) {
        qputenv(setting.name.c_str(), QByteArray::fromStdString(setting.value));
    }
    if (path == GraphicsPath::OpenGl) {
        // The engine shares its OpenGL contexts with the widgets'.
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
}

void PrepareWindowForBrowserViews(QWidget& window) {
    if (ChosenGraphicsPath() != GraphicsPath::OpenGl ||
        window.testAttribute(Qt::WA_WState_Created)) {
        return;
    }
    // A hidden OpenGL child makes the window composed with OpenGL from its creation on, as the
    // first browser view would make it.
    auto* composition = new QOpenGLWidget(&window);
    composition->setObjectName(QStringLiteral("OpenGlComposition"));
    composition->hide();
}

}  // namespace tagforge
