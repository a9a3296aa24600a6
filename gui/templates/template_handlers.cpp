#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "core/templates/template_lines.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

std::string ClockTime(const Clock& clock) {
    const QTime time = clock.now().time();
    return FormatClockTime(time.hour(), time.minute(), time.second());
}

}  // namespace

void MainWindow::connectTemplatePage() {
    // Switching sub-pages is never refused, so rebuilding after the switch serves as well.
    connect(formattingTabs, &QTabWidget::currentChanged, this, &MainWindow::rebuildTemplateLines);
    connect(addSolitudeNickButton, &QPushButton::clicked, this, &MainWindow::addSolitudeNick);
    connect(deleteSolitudeNickButton, &QPushButton::clicked, this,
            &MainWindow::deleteSolitudeNicks);
    connect(clearSolitudeNicksButton, &QPushButton::clicked, this, &MainWindow::clearSolitudeNicks);
}

void MainWindow::buildCurrentResult() {
    if (handMadePageActive()) {
        handMadePage->rebuildResult();
        return;
    }
    QWidget* tab = templateTabs->currentWidget();
    if (tab == killPage) {
        buildKillLine();
    } else if (tab == solitudePage) {
        buildSolitudeLine();
    } else if (tab == notificationPage) {
        buildNotificationLine();
    } else {
        buildAsciiLine();
    }
}

void MainWindow::rebuildTemplateLines() {
    buildNotificationLine();
    buildSolitudeLine();
    buildKillLine();
    buildAsciiLine();
}

void MainWindow::buildKillLine() {
    KillLineFields fields;
    fields.ownText = ToCp1251(templateOwnTextEdit->text());
    fields.where = ToCp1251(killWhereBox->currentText());
    fields.action = ToCp1251(killActionBox->currentText());
    fields.period = ToCp1251(killPeriodBox->currentText());
    fields.killer = ToCp1251(killerEdit->text());
    fields.victim = ToCp1251(victimEdit->text());
    fields.reason = ToCp1251(killReasonBox->currentText());
    templateText_ = BuildKillLine(fields, ClockTime(services_.clock));
}

void MainWindow::buildSolitudeLine() {
    std::vector<std::string> nicks;
    nicks.reserve(static_cast<std::size_t>(solitudeNickList->count()));
    for (int i = 0; i < solitudeNickList->count(); ++i) {
        nicks.push_back(ToCp1251(solitudeNickList->item(i)->text()));
    }
    templateText_ = BuildSolitudeLine(ToCp1251(templateOwnTextEdit->text()), nicks,
                                      ToCp1251(solitudeActionEdit->text()));
}

void MainWindow::buildNotificationLine() {
    NotificationFields fields;
    fields.ownText = ToCp1251(templateOwnTextEdit->text());
    fields.kind = notificationKindBox->currentIndex();
    fields.nick = ToCp1251(notificationNickEdit->text());
    fields.comeColorEnabled = comeColorCheck->isChecked();
    fields.comeColor = comeColorPanel->color();
    templateText_ = BuildNotificationLine(fields, ClockTime(services_.clock));
}

void MainWindow::addSolitudeNick() {
    if (!solitudeNickEdit->text().isEmpty()) {
        solitudeNickList->addItem(solitudeNickEdit->text());
    }
}

void MainWindow::deleteSolitudeNicks() {
    // From the bottom up, so the rows still to remove keep their numbers.
    for (int row = solitudeNickList->count() - 1; row >= 0; --row) {
        if (solitudeNickList->item(row)->isSelected()) {
            std::unique_ptr<QListWidgetItem>(solitudeNickList->takeItem(row));
        }
    }
}

void MainWindow::clearSolitudeNicks() {
    solitudeNickList->clear();
}

}  // namespace tagforge
