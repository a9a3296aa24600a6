#include <QPushButton>

#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

namespace {

void SetCaptionColor(QPushButton* button, Qt::GlobalColor color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

}  // namespace

void MainWindow::connectHandMadePage() {
    // Any mouse button turns the caption red, not only the one that clicks.
    copyButton->installEventFilter(this);
    connect(copyButton, &QPushButton::clicked, this, &MainWindow::copyResult);
    connect(handMadePage, &FormattingPage::resetClicked, this, &MainWindow::resetAll);
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
        handMadePage->colorEffectChanged();
    } else {
        putOnClipboard(templateText_, threshold);
    }
}

void MainWindow::putOnClipboard(const std::string& text, int threshold) {
    services_.clipboard.setText(FromCp1251(text));
    if (threshold != 0 && text.size() > static_cast<std::size_t>(threshold)) {
        services_.messages.warning(
            this, QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }
}

void MainWindow::resetAll() {
    // No profile is ever saved under this name, so every option takes its default.
    loadProfile("0");
    handMadePage->rebuildResult();
}

}  // namespace tagforge
