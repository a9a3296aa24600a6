#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "core/format/cp1251.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"

namespace tagforge {

namespace {

constexpr char kProfileExtension[] = ".tfp";

void InsertSorted(QComboBox* combo, const std::string& name) {
    int index = 0;
    while (index < combo->count() &&
           CompareNoCaseCp1251(ToCp1251(combo->itemText(index)), name) <= 0) {
        ++index;
    }
    combo->insertItem(index, FromCp1251(name));
}

// Watches the ends of an edit in the profile box: Enter and leaving the box. The box then picks
// the listed name that the typed text equals or completes to, and that is no pick by the user.
class EditEndWatch final : public QObject {
  public:
    using QObject::QObject;

    bool editEnding() const { return editEnding_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!editEnding_ && EndsEdit(event)) {
            // Handled here, so the flag covers exactly the box's own handling.
            editEnding_ = true;
            watched->event(event);
            editEnding_ = false;
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static bool EndsEdit(const QEvent* event) {
        if (event->type() == QEvent::FocusOut) {
            return true;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }

    bool editEnding_ = false;
};

}  // namespace

std::filesystem::path TForm1::ProfilePath(const std::string& name) const {
    return DataFilePath(programFolder_, kProfilesFolder, name + kProfileExtension);
}

void TForm1::FillFromDataFiles(QComboBox* box, std::string_view folder, std::string_view preferred,
                               std::string_view extension) {
    std::vector<std::string> names = ItemsOf(box);
    const int selected = ListDataFiles(names, programFolder_, folder, preferred, extension);
    SetItems(box, names);
    box->setCurrentIndex(names.empty() ? -1 : selected);
}

void TForm1::FillProfileList(std::string_view preferred) {
    FillFromDataFiles(ComboProfiles, kProfilesFolder, preferred, kProfileExtension);
}

void TForm1::ConnectProfileBar() {
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    // Picking an entry loads it; typing a name loads nothing.
    auto* editEnd = new EditEndWatch(ComboProfiles);
    // The box hands keys and focus changes on to its field directly, so both are watched.
    ComboProfiles->installEventFilter(editEnd);
    ComboProfiles->lineEdit()->installEventFilter(editEnd);
    connect(ComboProfiles, &QComboBox::activated, this, [this, editEnd] {
        if (!editEnd->editEnding()) {
            ComboProfilesSelect();
        }
    });
}

bool TForm1::SaveProfile(const std::string& name, bool askOverwrite, bool closing) {
    const std::filesystem::path file = ProfilePath(name);
    std::error_code error;
    if (askOverwrite && std::filesystem::exists(file, error)) {
        const QString question = QStringLiteral("Профиль с именем '") + FromCp1251(name) +
                                 QStringLiteral("' уже существует. Перезаписать?");
        if (!services_.messages.confirm(this, question)) {
            return false;
        }
    }
    SaveSettings();
    if (closing && !cbAutoSave->isChecked()) {
        return true;
    }
    try {
        // The folder may have been removed while the program runs; without it every save fails.
        EnsureDataFolder(programFolder_, kProfilesFolder);
    } catch (const DataFolderError&) {
        // Writing the file below reports the failure.
    }
    IniFile profileFile(file);
    WriteProfile(profileFile, CurrentProfile());
    return true;
}

void TForm1::SpeedButton2Click() {
    const ValidatedName checked = IsValidDataName(ToCp1251(ComboProfiles->currentText()));
    if (!checked.valid) {
        services_.messages.error(this,
                                 QStringLiteral("Имя профиля не должно содержать \\/:*?\"<>|"));
        return;
    }
    if (checked.name.empty()) {
        return;
    }
    try {
        SaveProfile(checked.name, true, false);
    } catch (const FileWriteError& failure) {
        services_.messages.error(this, ErrorText(failure));
        return;
    }
    if (FindIgnoringCase(ComboProfiles, checked.name) < 0) {
        InsertSorted(ComboProfiles, checked.name);
        ComboProfiles->setEditText(FromCp1251(checked.name));
    }
}

void TForm1::ComboProfilesSelect() {
    LoadProfile(ToCp1251(ComboProfiles->currentText()));
}

void TForm1::SpeedButton1Click() {
    const QString typed = ComboProfiles->currentText();
    const int listed = FindIgnoringCase(ComboProfiles, ToCp1251(typed));
    if (listed < 0) {
        return;
    }
    if (!services_.messages.confirm(
            this, QStringLiteral("Удалить профиль '") + typed + QStringLiteral("' ?"))) {
        return;
    }
    // The listed spelling names the file, whatever case was typed.
    std::error_code ignored;
    std::filesystem::remove(ProfilePath(ToCp1251(ComboProfiles->itemText(listed))), ignored);
    FillProfileList("");
    ComboProfiles->setEditText(QString());
}

void TForm1::FormClose(QCloseEvent* event) {
    try {
        SaveProfile(kDefaultProfile, false, true);
    } catch (const FileWriteError& failure) {
        // Closing now would lose the options; the window stays so the user can act.
        services_.messages.error(this, ErrorText(failure));
        event->ignore();
        return;
    }
    NickList.clear();
    event->accept();
}

}  // namespace tagforge
