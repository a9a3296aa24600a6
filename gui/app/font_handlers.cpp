#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "gui/app/main_window.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "gui/menus/edit_menu.h"
#include "gui/menus/font_manager.h"
#include "gui/settings/settings_page.h"

namespace tagforge {

namespace {

constexpr int kPictureSide = 16;
// Where the font manager keeps its own two values.
constexpr std::string_view kFontsKey = "\\Software\\Orbel Soft\\TagForge\\Fonts";
constexpr RegistryRoot kFontsRoot = RegistryRoot::LocalMachine;

// A letter in a serif face, for desktops whose icon theme has no font picture.
QIcon LetterPicture(const QColor& ink) {
    QPixmap picture(kPictureSide, kPictureSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont face(QStringLiteral("serif"));
    face.setStyleHint(QFont::Serif);
    face.setBold(true);
    face.setPixelSize(kPictureSide - 2);
    painter.setFont(face);
    painter.setPen(ink);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("A"));
    return QIcon(picture);
}

}  // namespace

void MainWindow::connectFontManager() {
    handMadePage->setFontManagerIcon(
        QIcon::fromTheme(QStringLiteral("preferences-desktop-font"),
                         LetterPicture(palette().color(QPalette::ButtonText))));
    connect(handMadePage, &FormattingPage::fontManagerClicked, this, &MainWindow::openFontManager);
}

void MainWindow::openFontManager() {
    FontManagerSetup setup;
    setup.offeredFonts = handMadePage->offeredFonts();
    setup.shownFont = handMadePage->shownFont();
    setup.hintsShown = settingsPage->hintsShown();
    setup.attachEditMenu = [this](QWidget* control) { editMenu->attach(control); };
    setup.readSetting = [this](std::string_view name, std::string_view defaultText) {
        return settings_->readSettingText(name, defaultText, kFontsRoot, kFontsKey);
    };
    setup.writeSetting = [this](std::string_view name, std::string_view text) {
        settings_->writeSettingText(name, text, kFontsRoot, kFontsKey);
    };
    setup.offerFonts = [this](const std::vector<std::string>& names, int current) {
        handMadePage->offerFonts(names, current);
    };
    FontManagerDialog form(std::move(setup), services_.fontCatalog, this);
    services_.dialogs.exec(form);
    // A runner that only hid the window still leaves the choice made in it.
    form.handBackChoice();
}

}  // namespace tagforge
