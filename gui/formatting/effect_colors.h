#pragma once

#include "core/format/effect_selection.h"
#include "core/format/random_source.h"

class QWidget;

namespace tagforge {

class Clock;
class FormattingControls;

// The colour effect's area of the formatting page: shows the colour panels, picture strip or row
// of stops the chosen effect uses, and keeps per effect the colours the user gave its panels.
class EffectColors {
  public:
    // `page` holds the controls; the panels' visibility is measured against it.
    EffectColors(const FormattingControls& controls, const QWidget& page, const Clock& clock,
                 RandomSource& random);

    const RememberedEffectColors& remembered() const { return remembered_; }
    // Replaces the kept colours, as a profile load does, and shows the stops among them.
    void setRemembered(RememberedEffectColors colors);

    // Shows the chosen effect's panels with their kept colours; for "Сплошной cлучайно" this
    // draws a new colour.
    void showChosenEffect();
    // Keeps the colours the chosen effect's panels show now.
    void rememberColors();
    // Hides the two colour panels while the spectrum is chosen; it uses none.
    void hidePanelsUnderSpectrum();

  private:
    EffectPanels shownPanels() const;

    const FormattingControls* controls_;
    const QWidget* page_;
    const Clock* clock_;
    RandomSource* random_;
    RememberedEffectColors remembered_;
};

}  // namespace tagforge
