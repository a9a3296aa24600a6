#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <memory>
#include <optional>

#include "core/smileys/smile_group.h"
#include "core/smileys/smile_images.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "gui/common/text_bridge.h"
#include "gui/smileys/copy_progress.h"
#include "gui/smileys/smiley_pane.h"

namespace tagforge {

namespace {

// The trimmed name the user settles on; nothing when the dialogue ends without one.
std::optional<std::string> AskGroupName(PlatformServices& services, QWidget* parent,
                                        const QComboBox* groups) {
    QString typed;
    for (;;) {
        const std::optional<QString> answer = services.input.ask(
            parent, QStringLiteral("Новая группа смайлов"), QStringLiteral("Имя группы:"), typed);
        if (!answer) {
            return std::nullopt;
        }
        const ValidatedName checked = IsValidDataName(ToCp1251(*answer));
        typed = FromCp1251(checked.name);
        if (FindIgnoringCase(groups, checked.name) >= 0 &&
            !services.messages.confirm(parent,
                                       QStringLiteral("Группа с именем '") + typed +
                                           QStringLiteral("' уже существует. Перезаписать?"))) {
            return std::nullopt;
        }
        if (!checked.valid) {
            services.messages.error(
                parent, QStringLiteral("Название группы не должно содержать \\/:*?\"<>|"));
            continue;
        }
        if (!checked.name.empty()) {
            return checked.name;
        }
    }
}

// The entries of a new group made of the first `count` chosen files. Files whose name the Smiles
// folder lacks are copied there, with the progress window showing while that happens.
SmileEntries TakeImages(QWidget* window, const std::filesystem::path& programFolder,
                        const QStringList& chosen, qsizetype count) {
    auto progress = std::make_unique<CopyProgressWindow>(window);
    SmileEntries entries;
    for (qsizetype i = 0; i < count; ++i) {
        const QString& source = chosen.at(i);
        const std::string fileName = ToCp1251(QFileInfo(source).fileName());
        if (!SmileImageExists(programFolder, fileName)) {
            progress->show();
            progress->setProgress(static_cast<int>(i * 100 / count));
            progress->setWindowTitle(
                QStringLiteral("Копирование смайлов : %1/%2").arg(i).arg(count));
            // The copying holds the event loop up; without this the window is never mapped nor
            // painted. Input waits, so no command can start in the middle of the copying.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            CopySmileImage(std::filesystem::path(source.toStdString()), programFolder, fileName);
        }
        entries.push_back(fileName);
    }
    progress->hide();
    return entries;
}

}  // namespace

bool SmileyPane::createSmileGroup() {
    const std::optional<std::string> name = AskGroupName(services_, window(), smileGroupBox);
    if (!name) {
        return false;
    }
    try {
        EnsureDataFolder(programFolder_, kSmileGroupsFolder);
        // The pane made it when shown, but it may have gone since; copies into nothing are lost.
        EnsureDataFolder(programFolder_, kSmilesFolder);
    } catch (const DataFolderError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return false;
    }
    const QString smilesFolder = QString::fromStdString((programFolder_ / kSmilesFolder).string());
    const std::optional<QStringList> chosen = services_.files.openFiles(
        window(), smilesFolder, QStringLiteral("GIF Image"), QStringLiteral("*.gif"));
    if (!chosen) {
        smileButton->setChecked(false);
        return false;
    }

    qsizetype count = chosen->size();
    if (count > static_cast<qsizetype>(kMaxSmilesPerGroup)) {
        services_.messages.information(
            window(),
            QStringLiteral("Выбрано слишком большое количество смайлов.\nБудут подключены "
                           "только первые ") +
                QString::number(kMaxSmilesPerGroup) +
                QStringLiteral(" смайлов.\nДля подключения остальных следует создать "
                               "новую группу смайлов."));
        count = static_cast<qsizetype>(kMaxSmilesPerGroup);
    }
    const SmileEntries entries = TakeImages(window(), programFolder_, *chosen, count);
    try {
        WriteSmileGroup(SmileGroupPath(programFolder_, *name), entries);
    } catch (const FileWriteError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return false;
    }
    buildSmilePage(entries, *name);
    return true;
}

void SmileyPane::newSmileGroupClicked() {
    createSmileGroup();
}

void SmileyPane::smileGroupChosen() {
    const QString selected = smileGroupBox->currentText();
    if (selected.isEmpty()) {
        return;
    }
    const std::string group = ToCp1251(selected);
    const std::filesystem::path file = SmileGroupPath(programFolder_, group);
    SmileEntries entries;
    try {
        entries = ReadSmileGroup(file);
    } catch (const SmileGroupReadError& failure) {
        services_.messages.error(window(), ErrorText(failure));
        return;
    }
    OrderSmileEntries(entries, layout_().frequentFirst);
    buildSmilePage(SmileNames(entries), group);
    try {
        WriteSmileGroup(file, entries);
    } catch (const FileWriteError& failure) {
        services_.messages.error(window(), ErrorText(failure));
    }
}

void SmileyPane::deleteSmileGroup() {
    const QString selected = smileGroupBox->currentText();
    if (!services_.messages.confirm(
            window(), QStringLiteral("Удалить группу '") + selected + QStringLiteral("' ?"))) {
        return;
    }
    // The images stay: other groups may show them.
    std::error_code ignored;
    std::filesystem::remove(SmileGroupPath(programFolder_, ToCp1251(selected)), ignored);
    listGroups("");
    if (smileGroupBox->count() > 0) {
        smileGroupChosen();
        return;
    }
    smileButton->setChecked(false);
    showSmilePane(false);
}

}  // namespace tagforge
