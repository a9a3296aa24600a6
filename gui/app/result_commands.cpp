#include <QPushButton>
#include <QTabWidget>

#include "gui/app/main_window.h"
#include "gui/common/text_bridge.h"
#include "gui/common/transient_note.h"
#include "gui/formatting/formatting_page.h"
#include "gui/settings/settings_page.h"
#include "gui/templates/template_page.h"

namespace tagforge {

namespace {

QString CopyConfirmation(std::size_t length, int threshold) {
    QString text = QStringLiteral("Скопировано: %1 %2")
                       .arg(length)
                       .arg(CountWord(length, QStringLiteral("символ"), QStringLiteral("символа"),
                                      QStringLiteral("символов")));
    if (threshold != 0) {
        text += QStringLiteral(" (порог %1)").arg(threshold);
    }
    return text;
}

void SetCaptionColor(QPushButton* button, Qt::GlobalColor color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

}  // namespace

void MainWindow::connectCopyButton() {
    // Any mouse button turns the caption red, not only the one that clicks.
    copyButton->installEventFilter(this);
    connect(copyButton, &QPushButton::clicked, this, &MainWindow::copyResult);
    // The meter follows every input that changes what the button copies, the threshold included.
    for (QWidget* inputs :
         std::initializer_list<QWidget*>{handMadePage, templatePage, settingsPage}) {
        lengthMeter->watch(inputs);
    }
    connect(formattingTabs, &QTabWidget::currentChanged, lengthMeter,
            &LengthMeter::scheduleMeasure);
}

void MainWindow::copyButtonPressed() {
    SetCaptionColor(copyButton, Qt::red);
}

void MainWindow::copyButtonReleased() {
    SetCaptionColor(copyButton, Qt::black);
}

int MainWindow::activeThreshold() const {
    return settingsPage->threshold();
}

void MainWindow::copyResult() {
    buildCurrentResult();
    const int threshold = activeThreshold();
    if (handMadePageActive()) {
        putOnClipboard(handMadePage->resultText(), threshold);
        handMadePage->drawNewRandomColor();
    } else {
        putOnClipboard(templateText_, threshold);
    }
    lengthMeter->display(copiedReading());
}

LengthMeter::Reading MainWindow::copiedReading() const {
    if (handMadePageActive()) {
        return {handMadePage->resultText().size(), activeThreshold(),
                handMadePage->lettersPerColor()};
    }
    return {templateText_.size(), activeThreshold(), 1};
}

void MainWindow::putOnClipboard(const std::string& text, int threshold) {
    services_.clipboard.setText(FromCp1251(text));
    confirmationNote->show(CopyConfirmation(text.size(), threshold));
    if (threshold != 0 && text.size() > static_cast<std::size_t>(threshold)) {
        services_.messages.warning(
            this, QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }
}

}  // namespace tagforge
