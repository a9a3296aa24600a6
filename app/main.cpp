#include "app/application.h"
#include "app/qt_platform_services.h"

int main(int argc, char** argv) {
    tagforge::QtPlatform platform;
    return tagforge::RunApplication(argc, argv, tagforge::ExecutableFolder(),
                                    [&platform] { return platform.services(); });
}
