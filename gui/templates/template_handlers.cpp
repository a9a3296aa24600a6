#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/pickers/color_panel.h"
#include "core/templates/template_lines.h"

namespace tagforge {

namespace {

std::string ClockTime(const Clock& clock) {
    const QTime time = clock.now().time();
    return FormatClockTime(time.hour(), time.minute(), time.second());
}

}  // namespace

void TForm1::ConnectTemplatePage() {
    // Switching sub-pages is never refused, so rebuilding after the switch serves as well.
    connect(PageControl2, &QTabWidget::currentChanged, this, &TForm1::PageControl2Changing);
    connect(SpeedButton4, &QPushButton::clicked, this, &TForm1::AddSolitudeNickClick);
    connect(SpeedButton5, &QPushButton::clicked, this, &TForm1::DeletelSolitudeNickClick);
    connect(SpeedButton6, &QPushButton::clicked, this, &TForm1::ClearSolitudeListClick);
}

void TForm1::BuildCurrentResult() {
    if (HandMadePageActive()) {
        OnlyForYouNameChange();
        return;
    }
    QWidget* tab = PageControl3->currentWidget();
    if (tab == KillPage) {
        cbKillWhereChange();
    } else if (tab == SolitudePage) {
        SolitudeOwnTextChange();
    } else if (tab == InOutPage) {
        PersonallyErrorOwnTextChange();
    } else {
        comboASCIIartChange();
    }
}

void TForm1::PageControl2Changing() {
    PersonallyErrorOwnTextChange();
    SolitudeOwnTextChange();
    cbKillWhereChange();
    comboASCIIartChange();
}

void TForm1::cbKillWhereChange() {
    KillLineFields fields;
    fields.ownText = ToCp1251(Edit5->text());
    fields.where = ToCp1251(cbKillWhere->currentText());
    fields.action = ToCp1251(cbKillAction->currentText());
    fields.period = ToCp1251(cbKillTime->currentText());
    fields.killer = ToCp1251(KillName->text());
    fields.victim = ToCp1251(VictimName->text());
    fields.reason = ToCp1251(cbKillReason->currentText());
    templateText_ = BuildKillLine(fields, ClockTime(services_.clock));
}

void TForm1::SolitudeOwnTextChange() {
    std::vector<std::string> nicks;
    nicks.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int i = 0; i < ListBox1->count(); ++i) {
        nicks.push_back(ToCp1251(ListBox1->item(i)->text()));
    }
    templateText_ =
        BuildSolitudeLine(ToCp1251(Edit5->text()), nicks, ToCp1251(SolitudeWhatDo->text()));
}

void TForm1::PersonallyErrorOwnTextChange() {
    NotificationFields fields;
    fields.ownText = ToCp1251(Edit5->text());
    fields.kind = comboPersError->currentIndex();
    fields.nick = ToCp1251(PersonallyErrorMessage->text());
    fields.comeColorEnabled = cbComeColor->isChecked();
    fields.comeColor = ComeColor->color();
    templateText_ = BuildNotificationLine(fields, ClockTime(services_.clock));
}

void TForm1::AddSolitudeNickClick() {
    if (!SolitudeNick->text().isEmpty()) {
        ListBox1->addItem(SolitudeNick->text());
    }
}

void TForm1::DeletelSolitudeNickClick() {
    // From the bottom up, so the rows still to remove keep their numbers.
    for (int row = ListBox1->count() - 1; row >= 0; --row) {
        if (ListBox1->item(row)->isSelected()) {
            std::unique_ptr<QListWidgetItem>(ListBox1->takeItem(row));
        }
    }
}

void TForm1::ClearSolitudeListClick() {
    ListBox1->clear();
}

}  // namespace tagforge
