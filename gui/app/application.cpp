#include "gui/app/application.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <chrono>
#include <exception>
#include <utility>

#include "gui/app/main_window.h"
#include "gui/app/session_requests.h"
#include "gui/app/settings_effects.h"
#include "gui/common/application_icon.h"
#include "gui/common/hover_frame_style.h"
#include "gui/platform/graphics_setup.h"
#include "gui/platform/instance_claim.h"
#include "gui/platform/named_lock.h"

namespace tagforge {

namespace {

// How long a later start waits for a running copy that is still starting or ending.
constexpr std::chrono::seconds kKnockPatience{30};

void PrepareBrowserEngine() {
#if !defined(_WIN32)
    // Chromium's sandbox cannot run for root; the preview shows local pages only.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
#endif
    PrepareGraphics();
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
#if defined(_WIN32)
    std::wstring executable(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, executable.data(), static_cast<DWORD>(executable.size()));
        if (length == 0) {
            return std::filesystem::current_path();
        }
        if (length < executable.size()) {
            executable.resize(length);
            return std::filesystem::path(executable).parent_path();
        }
        executable.resize(executable.size() * 2);  // a long path was cut
    }
#else
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
#endif
}

int RunApplication(int& argc, char** argv, const std::filesystem::path& programFolder,
                   const std::function<PlatformServices()>& makeServices,
                   const std::function<void(MainWindow&)>& started,
                   const std::filesystem::path& starterFolder) {
    const bool refused = NamedLock::Exists(kExclusivityLockName);
    // One copy per data folder: a later start brings that copy's window forward and ends, so
    // two windows never overwrite each other's profile and settings.
    InstanceClaim claim;
    if (!refused) {
        claim = InstanceClaim::Claim(InstanceName(programFolder), kKnockPatience);
        if (claim.outcome() == InstanceClaim::Outcome::kHandedOver) {
            return 0;
        }
    }
    PrepareBrowserEngine();
    QApplication application(argc, argv);
    PlatformServices services = makeServices();
    // A copy that holds the folder but does not answer is refused like an exclusive one.
    if (refused || claim.outcome() == InstanceClaim::Outcome::kUnanswered) {
        services.messages.information(nullptr,
                                      QStringLiteral("Один экземпляр программы уже запущен"));
        return 1;
    }
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setWindowIcon(ApplicationIcon());
    QApplication::setStyle(new HoverFrameStyle);
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.orbelsoft.TagForge"));
    // The window hidden in the tray is no reason to end, nor is a last dialog closing: the
    // program ends through its session end only.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallRussianTranslations(application);
    SessionRequests requests(std::move(claim));
    try {
        MainWindow window(programFolder, services, starterFolder);
        if (requests.endedWhileStarting()) {
            return 0;
        }
        requests.attach(window);
        window.show();
        if (started) {
            started(window);
        }
        if (!window.sessionEnd().ended()) {
            QApplication::exec();
        }
    } catch (const std::exception& error) {
        services.messages.error(nullptr, QString::fromUtf8(error.what()));
    }
    return 0;
}

}  // namespace tagforge
