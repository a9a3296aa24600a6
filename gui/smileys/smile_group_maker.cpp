#include "gui/smileys/smile_group_maker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "core/format/cp1251.h"
#include "core/smileys/smile_images.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "gui/common/text_bridge.h"
#include "gui/smileys/copy_progress.h"

namespace tagforge {

SmileGroupMaker::SmileGroupMaker(std::filesystem::path programFolder, PlatformServices services,
                                 QWidget* window)
    : programFolder_(std::move(programFolder)), services_(std::move(services)), window_(window) {}

SmileGroupMaker::Outcome SmileGroupMaker::make(const std::vector<std::string>& listedGroups) {
    if (!askName(listedGroups)) {
        return Outcome::kNotMade;
    }
    try {
        EnsureDataFolder(programFolder_, kSmileGroupsFolder);
        // The pane made it when shown, but it may have gone since; copies into nothing are lost.
        EnsureDataFolder(programFolder_, kSmilesFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(window_, ErrorText(failure));
        return Outcome::kNotMade;
    }
    const QString smilesFolder = FromPath(programFolder_ / kSmilesFolder);
    const std::optional<QStringList> chosen = services_.files.openFiles(
        window_, smilesFolder, QStringLiteral("GIF Image"), QStringLiteral("*.gif"));
    if (!chosen) {
        return Outcome::kNoFilesChosen;
    }

    qsizetype count = chosen->size();
    if (count > static_cast<qsizetype>(kMaxSmilesPerGroup)) {
        services_.messages.information(
            window_, QStringLiteral("Выбрано слишком большое количество смайлов.\nБудут подключены "
                                    "только первые ") +
                         QString::number(kMaxSmilesPerGroup) +
                         QStringLiteral(" смайлов.\nДля подключения остальных следует создать "
                                        "новую группу смайлов."));
        count = static_cast<qsizetype>(kMaxSmilesPerGroup);
    }
    takeImages(*chosen, count);
    try {
        WriteSmileGroup(SmileGroupPath(programFolder_, name_), entries_);
    } catch (const FileWriteError& failure) {
        services_.messages.error(window_, ErrorText(failure));
        return Outcome::kNotMade;
    }
    return Outcome::kMade;
}

bool SmileGroupMaker::askName(const std::vector<std::string>& listedGroups) {
    QString typed;
    for (;;) {
        const std::optional<QString> answer = services_.input.ask(
            window_, QStringLiteral("Новая группа смайлов"), QStringLiteral("Имя группы:"), typed);
        if (!answer) {
            return false;
        }
        const ValidatedName checked = IsValidDataName(ToCp1251(*answer));
        typed = FromCp1251(checked.name);
        const bool listed = std::ranges::any_of(listedGroups, [&checked](const std::string& group) {
            return EqualsNoCaseCp1251(group, checked.name);
        });
        if (listed && !services_.messages.confirm(
                          window_, QStringLiteral("Группа с именем '") + typed +
                                       QStringLiteral("' уже существует. Перезаписать?"))) {
            return false;
        }
        if (!checked.valid) {
            services_.messages.error(
                window_, QStringLiteral("Название группы не должно содержать \\/:*?\"<>|"));
            continue;
        }
        if (!checked.name.empty()) {
            name_ = checked.name;
            return true;
        }
    }
}

// Files whose name the Smiles folder lacks are copied there, with the progress window showing
// while that happens.
void SmileGroupMaker::takeImages(const QStringList& chosen, qsizetype count) {
    auto progress = std::make_unique<CopyProgressWindow>(window_);
    entries_.clear();
    for (qsizetype i = 0; i < count; ++i) {
        const QString& source = chosen.at(i);
        const std::string fileName = ToCp1251(QFileInfo(source).fileName());
        if (!SmileImageExists(programFolder_, fileName)) {
            progress->show();
            progress->setProgress(static_cast<int>(i * 100 / count));
            progress->setWindowTitle(
                QStringLiteral("Копирование смайлов : %1/%2").arg(i).arg(count));
            // The copying holds the event loop up; without this the window is never mapped nor
            // painted. Input waits, so no command can start in the middle of the copying.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            CopySmileImage(ToPath(source), programFolder_, fileName);
        }
        entries_.push_back(fileName);
    }
    progress->hide();
}

}  // namespace tagforge
