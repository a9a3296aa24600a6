#include "gui/formatting/effect_colors.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>

#include "core/format/result_assembly.h"
#include "gui/formatting/formatting_controls.h"
#include "gui/formatting/gradient_stop_row.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/effect_strips.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/platform/platform_services.h"

namespace tagforge {

EffectColors::EffectColors(const FormattingControls& controls, const QWidget& page,
                           const Clock& clock, RandomSource& random)
    : controls_(&controls), page_(&page), clock_(&clock), random_(&random) {}

void EffectColors::setRemembered(RememberedEffectColors colors) {
    remembered_ = std::move(colors);
    controls_->gradientStopRow->setStops(remembered_.gradientStops);
}

EffectPanels EffectColors::shownPanels() const {
    EffectPanels panels;
    panels.firstVisible = controls_->firstEffectColorPanel->isVisibleTo(page_);
    panels.secondVisible = controls_->secondEffectColorPanel->isVisibleTo(page_);
    panels.firstWidth = controls_->firstEffectColorPanel->width();
    panels.first = controls_->firstEffectColorPanel->color();
    panels.second = controls_->secondEffectColorPanel->color();
    return panels;
}

void EffectColors::showChosenEffect() {
    const auto seed = static_cast<std::uint32_t>(clock_->now().toSecsSinceEpoch());
    const EffectPanels panels = SelectEffectPanels(controls_->colorEffectBox->currentIndex(),
                                                   remembered_, shownPanels(), *random_, seed);
    controls_->effectStrip->setVisible(panels.strip != EffectPanels::Strip::None);
    if (panels.strip == EffectPanels::Strip::Spectrum) {
        controls_->effectStrip->setPixmap(SpectrumStrip());
    } else if (panels.strip == EffectPanels::Strip::Random) {
        controls_->effectStrip->setPixmap(RandomStrip());
    }
    controls_->firstEffectColorPanel->setFixedWidth(panels.firstWidth);
    SetPanelColor(controls_->firstEffectColorPanel, panels.first);
    SetPanelColor(controls_->secondEffectColorPanel, panels.second);
    controls_->firstEffectColorPanel->setVisible(panels.firstVisible);
    controls_->secondEffectColorPanel->setVisible(panels.secondVisible);
    if (panels.stopRowVisible) {
        controls_->gradientStopRow->setStops(remembered_.gradientStops);
    }
    controls_->gradientStopRow->setVisible(panels.stopRowVisible);
}

void EffectColors::rememberColors() {
    const ColorValue first = controls_->firstEffectColorPanel->color();
    const ColorValue second = controls_->secondEffectColorPanel->color();
    switch (controls_->colorEffectBox->currentIndex()) {
        case kEffectSolid:
            remembered_.solid = first;
            break;
        case kEffectGradient:
            remembered_.gradientBegin = first;
            remembered_.gradientEnd = second;
            break;
        case kEffectAlternation:
            remembered_.alternationFirst = first;
            remembered_.alternationSecond = second;
            break;
        case kEffectGradientStops:
            remembered_.gradientStops = controls_->gradientStopRow->stops();
            break;
        default:
            break;
    }
}

void EffectColors::hidePanelsUnderSpectrum() {
    if (controls_->colorEffectBox->currentIndex() == kEffectSpectrum) {
        controls_->firstEffectColorPanel->hide();
        controls_->secondEffectColorPanel->hide();
    }
}

}  // namespace tagforge
