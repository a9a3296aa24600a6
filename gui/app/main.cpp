#include "gui/app/application.h"
#include "gui/app/qt_platform_services.h"

int main(int argc, char** argv) {
    const std::filesystem::path programFolder = tagforge::ExecutableFolder();
    tagforge::QtPlatform platform(programFolder);
    return tagforge::RunApplication(argc, argv, programFolder,
                                    [&platform] { return platform.services(); });
}
