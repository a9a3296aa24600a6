#include "gui/app/application.h"

#include <unistd.h>

#include <QApplication>
#include <exception>

#include "gui/app/main_window.h"
#include "gui/platform/named_lock.h"

namespace tagforge {

namespace {

void PrepareBrowserEngine() {
    // Chromium's sandbox cannot run for root; the preview shows local pages only.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

int RunApplication(int& argc, char** argv, const std::filesystem::path& programFolder,
                   const std::function<PlatformServices()>& makeServices,
                   const std::function<void(MainWindow&)>& started) {
    const bool refused = NamedLock::Exists(kExclusivityLockName);
    PrepareBrowserEngine();
    QApplication application(argc, argv);
    PlatformServices services = makeServices();
    if (refused) {
        services.messages.information(nullptr,
                                      QStringLiteral("Один экземпляр программы уже запущен"));
        return 1;
    }
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    try {
        MainWindow window(programFolder, services);
        window.show();
        if (started) {
            started(window);
        }
        QApplication::exec();
    } catch (const std::exception& error) {
        services.messages.error(nullptr, QString::fromUtf8(error.what()));
    }
    return 0;
}

}  // namespace tagforge
