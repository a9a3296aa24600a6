#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/format/effect_selection.h"
#include "core/format/random_source.h"
#include "core/format/result_assembly.h"
#include "gui/formatting/effect_colors.h"
#include "gui/formatting/formatting_controls.h"
#include "gui/formatting/option_binding.h"
#include "gui/formatting/option_controls.h"
#include "gui/platform/platform_services.h"

class QIcon;

namespace tagforge {

class ColorPanel;
struct Profile;

// The hand-made formatting page: the options, the message and its formatted result, the colour
// effect with its panels, and the hidden palette. Texts cross its interface as Windows-1251 bytes.
class FormattingPage final : public QWidget {
    Q_OBJECT

  public:
    explicit FormattingPage(PlatformServices services, QWidget* parent = nullptr);

    // The option table spans pages, so the window binds it once every page exists.
    void bindOptions(std::vector<BoundOption> options);
    FormatterOptions formatterOptions() const;
    // Builds the result of the controls unless it was built for the same text and options.
    void rebuildResult();
    const std::string& resultText() const;
    // How many letters share a colour tag in the last result; more than 1 when the length
    // threshold made the build coarser.
    int lettersPerColor() const { return lettersPerColor_; }
    const RememberedEffectColors& rememberedColors() const { return effects_.remembered(); }

    // `tags` is the tag list, none when there is no list file.
    void applyProfile(const Profile& profile, const std::optional<std::vector<std::string>>& tags);
    void storeProfile(Profile& profile) const;

    // Draws a new colour for "Сплошной cлучайно", as after each copy, and shows it.
    void drawNewRandomColor();
    // After a click on any colour panel of the window, its colour chosen: keeps the colours of
    // the chosen effect's panels and, while the spectrum is chosen, leaves those panels hidden.
    void colorPanelClicked();

    std::vector<std::string> offeredFonts() const;
    std::string shownFont() const;
    // Replaces the font list and shows entry `current`; with no fonts the option is switched off.
    void offerFonts(const std::vector<std::string>& names, int current);
    // Replaces the font list alone, leaving the option as it is.
    void listFonts(const std::vector<std::string>& names);
    void setFontManagerIcon(const QIcon& icon);
    // The field the message is typed in; the settings page sets its font.
    QWidget* messageField() const;
    // Types `text` into the message at its cursor and gives the message the focus.
    void insertIntoMessage(const QString& text);

    // Hands the editable fields to `attach`, which gives them the window's edit menu.
    void attachEditMenu(const std::function<void(QWidget*)>& attach);

  signals:
    void fontManagerClicked();
    void resetClicked();

  private:
    void connectControls();
    // Picks a colour for `panel` as its click asks.
    void choosePanelColor(ColorPanel* panel, Qt::MouseButton button, QPoint globalPos);
    void clearMessage();

    PlatformServices services_;
    DefaultRandomSource random_;
    std::unique_ptr<FormattingControls> controls_ = std::make_unique<FormattingControls>();
    EffectColors effects_{*controls_, *this, services_.clock, random_};
    OptionBinding options_{*controls_, effects_};
    int lettersPerColor_ = 1;
    // The options of the result kept; unset until the first build.
    std::optional<FormatterOptions> builtOptions_;
};

}  // namespace tagforge
