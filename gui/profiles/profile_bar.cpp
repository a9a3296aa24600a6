#include "gui/profiles/profile_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/format/cp1251.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"

namespace tagforge {

namespace {

// Watches the ends of an edit in the profile box: Enter and leaving the box. The box then picks
// the listed name that the typed text equals, and that is no pick by the user.
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

ProfileBar::ProfileBar(QWidget* parent) : QWidget(parent) {
    // The list is kept sorted, ignoring case.
    nameBox = ui::ComboBox("ComboProfiles", {}, true,
                           QStringLiteral("Выбрать существующий профиль или вести имя нового"));
    nameBox->setMaxVisibleItems(5);
    nameBox->setMinimumWidth(140);
    deleteButton = ui::FlatButton("SpeedButton1", QStringLiteral("Удалить"),
                                  QStringLiteral("Удалить профиль"));
    saveButton = ui::FlatButton("SpeedButton2", QStringLiteral("Сохранить"),
                                QStringLiteral("Сохранить профиль"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Профиль:")));
    layout->addWidget(nameBox);
    layout->addWidget(deleteButton);
    layout->addWidget(saveButton);

    connect(saveButton, &QPushButton::clicked, this, &ProfileBar::saveClicked);
    connect(deleteButton, &QPushButton::clicked, this, &ProfileBar::deleteClicked);
    auto* editEnd = new EditEndWatch(nameBox);
    // The box hands keys and focus changes on to its field directly, so both are watched.
    nameBox->installEventFilter(editEnd);
    nameBox->lineEdit()->installEventFilter(editEnd);
    connect(nameBox, &QComboBox::activated, this, [this, editEnd] {
        if (!editEnd->editEnding()) {
            emit profilePicked();
        }
    });
}

std::string ProfileBar::typedName() const {
    return ToCp1251(nameBox->currentText());
}

void ProfileBar::clearTypedName() {
    nameBox->setEditText(QString());
}

std::vector<std::string> ProfileBar::listedNames() const {
    return ItemsOf(nameBox);
}

void ProfileBar::setListedNames(const std::vector<std::string>& names, int selected) {
    SetItems(nameBox, names);
    nameBox->setCurrentIndex(selected);
}

std::string ProfileBar::listedSpelling(const std::string& name) const {
    const int listed = FindIgnoringCase(nameBox, name);
    return listed >= 0 ? ToCp1251(nameBox->itemText(listed)) : std::string();
}

void ProfileBar::addName(const std::string& name) {
    int index = 0;
    while (index < nameBox->count() &&
           CompareNoCaseCp1251(ToCp1251(nameBox->itemText(index)), name) <= 0) {
        ++index;
    }
    nameBox->insertItem(index, FromCp1251(name));
    nameBox->setEditText(FromCp1251(name));
}

void ProfileBar::attachEditMenu(const std::function<void(QWidget*)>& attach) {
    attach(nameBox);
}

}  // namespace tagforge
