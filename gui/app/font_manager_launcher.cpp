#include "gui/app/font_manager_launcher.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <string>
#include <string_view>
#include <vector>

#include "gui/formatting/formatting_page.h"
#include "gui/menus/edit_menu.h"
#include "gui/menus/font_manager.h"
#include "gui/store/settings_controller.h"

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

FontManagerLauncher::FontManagerLauncher(FormattingPage& page, SettingsController& settings,
                                         EditMenu& editMenu, const FontCatalog& installedFonts,
                                         DialogRunner& dialogs, std::function<bool()> hintsShown,
                                         QObject* parent)
    : QObject(parent),
      page_(page),
      settings_(settings),
      editMenu_(editMenu),
      installedFonts_(installedFonts),
      dialogs_(dialogs),
      hintsShown_(std::move(hintsShown)) {
    page_.setFontManagerIcon(
        QIcon::fromTheme(QStringLiteral("preferences-desktop-font"),
                         LetterPicture(page_.palette().color(QPalette::ButtonText))));
    connect(&page_, &FormattingPage::fontManagerClicked, this, &FontManagerLauncher::open);
}

void FontManagerLauncher::open() {
    FontManagerSetup setup;
    setup.offeredFonts = page_.offeredFonts();
    setup.shownFont = page_.shownFont();
    setup.hintsShown = hintsShown_();
    setup.attachEditMenu = [this](QWidget* control) { editMenu_.attach(control); };
    setup.readSetting = [this](std::string_view name, std::string_view defaultText) {
        return settings_.readSettingText(name, defaultText, kFontsRoot, kFontsKey);
    };
    setup.writeSetting = [this](std::string_view name, std::string_view text) {
        settings_.writeSettingText(name, text, kFontsRoot, kFontsKey);
    };
    setup.offerFonts = [this](const std::vector<std::string>& names, int current) {
        page_.offerFonts(names, current);
    };
    FontManagerDialog form(std::move(setup), installedFonts_, page_.window());
    dialogs_.exec(form);
    // A runner that only hid the window still leaves the choice made in it.
    form.handBackChoice();
}

}  // namespace tagforge
