#include <QApplication>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "core/store/data_location.h"
#include "gui/app/application.h"
#include "gui/app/command_line.h"
#include "gui/app/qt_platform_services.h"

namespace {

// The installed program's per-user folders are made on its first start; when they cannot be,
// nothing could be kept, so the user is told once and the program ends.
bool MakeDataFolders(const tagforge::DataLocation& location, int& argc, char** argv) {
    for (const std::filesystem::path& folder : {location.dataFolder, location.configFolder}) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!std::filesystem::is_directory(folder, error)) {
            QApplication application(argc, argv);
            tagforge::QtMessageBoxes().error(nullptr,
                                             QStringLiteral("Cannot create %1 directory.")
                                                 .arg(QString::fromStdString(folder.string())));
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
    const tagforge::DataLocation location =
        tagforge::LocateData(tagforge::ExecutableFolder(), tagforge::ProcessEnvironment);
    if (location.installed && !MakeDataFolders(location, argc, argv)) {
        return 1;
    }
    tagforge::QtPlatform platform(location.configFolder);
    return tagforge::RunApplication(
        argc, argv, location.dataFolder, [&platform] { return platform.services(); }, {},
        location.starterFolder);
}
