#pragma once

#include <filesystem>
#include <functional>

#include "gui/platform/platform_services.h"

class QCoreApplication;

namespace tagforge {

class MainWindow;

// Qt's own dialogs (colour, font, file, input, message boxes) speak Russian, as the program does.
void InstallRussianTranslations(QCoreApplication& application);

// The program's folder: where its executable lies.
std::filesystem::path ExecutableFolder();

// The whole run of the program: the single-instance check, the main window and its message loop.
// Returns 1 when a running copy holds the exclusivity lock, otherwise 0. `started` runs once the
// window is shown (tests and the screenshot tool use it to drive the window). A first start copies
// the starter set of `starterFolder` into programFolder.
int RunApplication(int& argc, char** argv, const std::filesystem::path& programFolder,
                   const std::function<PlatformServices()>& makeServices,
                   const std::function<void(MainWindow&)>& started = {},
                   const std::filesystem::path& starterFolder = {});

}  // namespace tagforge
