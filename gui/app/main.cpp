#include <QApplication>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "core/platform/path_text.h"
#include "core/store/data_location.h"
#include "gui/app/application.h"
#include "gui/app/command_line.h"
#include "gui/platform/qt_platform_services.h"

namespace {

// A start that cannot go on says why once, on standard error and in a box for a user who
// started it from the desktop's menu.
void ReportStartFailure(const QString& message, int& argc, char** argv) {
    std::cerr << "tagforge: " << message.toStdString() << '\n';
    QApplication application(argc, argv);
    tagforge::QtMessageBoxes().error(nullptr, message);
}

// The installed program's per-user folders are made on its first start; when they cannot be,
// nothing could be kept, so the user is told once and the program ends.
bool MakeDataFolders(const tagforge::DataLocation& location, int& argc, char** argv) {
    for (const std::filesystem::path& folder : {location.dataFolder, location.configFolder}) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!std::filesystem::is_directory(folder, error)) {
            ReportStartFailure(QStringLiteral("Cannot create %1 directory.")
                                   .arg(QString::fromStdString(tagforge::PathUtf8(folder))),
                               argc, argv);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answer =
            tagforge::AnswerCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
        std::cout << answer->out;
        std::cerr << answer->err;
        return answer->exitCode;
    }
    tagforge::DataLocation location;
    try {
        location = tagforge::LocateData(tagforge::ExecutableFolder(), tagforge::ProcessEnvironment);
    } catch (const tagforge::DataLocationError& error) {
        ReportStartFailure(QString::fromStdString(error.what()), argc, argv);
        return 1;
    }
    if (location.installed && !MakeDataFolders(location, argc, argv)) {
        return 1;
    }
    tagforge::QtPlatform platform(location.configFolder, location.configHome, location.installed);
    return tagforge::RunApplication(
        argc, argv, location.dataFolder, [&platform] { return platform.services(); }, {},
        location.starterFolder);
}
