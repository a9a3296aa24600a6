#include "gui/app/application.h"

#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

#include "gui/app/hover_frame_style.h"
#include "gui/app/main_window.h"
#include "gui/app/termination.h"
#include "gui/platform/named_lock.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

namespace {

void PrepareBrowserEngine() {
    // Chromium's sandbox cannot run for root; the preview shows local pages only.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/ru.orbelsoft.TagForge.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace

void InstallRussianTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // The program speaks Russian whatever the system's language, and so do Qt's own dialogs.
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

int RunApplication(int& argc, char** argv, const std::filesystem::path& programFolder,
                   const std::function<PlatformServices()>& makeServices,
                   const std::function<void(MainWindow&)>& started,
                   const std::filesystem::path& starterFolder) {
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
    QApplication::setWindowIcon(ApplicationIcon());
    QApplication::setStyle(new HoverFrameStyle);
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.orbelsoft.TagForge"));
    InstallRussianTranslations(application);
    CloseWindowsOnTermination(&application);
    try {
        MainWindow window(programFolder, services, starterFolder);
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
