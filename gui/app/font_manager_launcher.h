#pragma once

#include <QObject>
#include <functional>

namespace tagforge {

class DialogRunner;
class EditMenu;
class FontCatalog;
class FormattingPage;
class SettingsController;

// Opens the font manager from the hand-made page's font button: the manager starts on the page's
// font list, keeps its own values in the settings store, and hands the ticked fonts back to the
// page however it is closed.
class FontManagerLauncher final : public QObject {
    Q_OBJECT

  public:
    // `hintsShown` tells whether the settings page shows hints at the moment the manager opens.
    FontManagerLauncher(FormattingPage& page, SettingsController& settings, EditMenu& editMenu,
                        const FontCatalog& installedFonts, DialogRunner& dialogs,
                        std::function<bool()> hintsShown, QObject* parent = nullptr);

    void open();

  private:
    FormattingPage& page_;
    SettingsController& settings_;
    EditMenu& editMenu_;
    const FontCatalog& installedFonts_;
    DialogRunner& dialogs_;
    std::function<bool()> hintsShown_;
};

}  // namespace tagforge
