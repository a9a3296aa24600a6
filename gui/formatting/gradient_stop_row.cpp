#include "gui/formatting/gradient_stop_row.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

#include "core/format/gradient_stops.h"
#include "gui/common/widget_factory.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"

namespace tagforge {

namespace {

constexpr int kStopWidth = 20;
constexpr int kStopHeight = 15;
constexpr int kButtonSide = 17;

}  // namespace

GradientStopRow::GradientStopRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (std::size_t stop = 1; stop <= kMaxGradientStops; ++stop) {
        auto* panel = new ColorPanel;
        panel->setObjectName(QStringLiteral("GradientStop%1").arg(stop));
        panel->setToolTip(QStringLiteral("Цвет %1 градиента").arg(stop));
        panel->setFixedSize(kStopWidth, kStopHeight);
        connect(panel, &ColorPanel::mouseReleased, this,
                [this, panel](Qt::MouseButton button, QPoint globalPos) {
                    emit panelClicked(panel, button, globalPos);
                });
        panels_.push_back(panel);
        layout->addWidget(panel);
    }
    addButton = ui::FlatButton("bAddGradientStop", QStringLiteral("+"),
                               QStringLiteral("Добавить цвет после последнего"));
    removeButton = ui::FlatButton("bRemoveGradientStop", QStringLiteral("−"),
                                  QStringLiteral("Убрать последний цвет"));
    for (QPushButton* button : {addButton, removeButton}) {
        button->setFixedSize(kButtonSide, kButtonSide);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(addButton, &QPushButton::clicked, this, &GradientStopRow::addStop);
    connect(removeButton, &QPushButton::clicked, this, &GradientStopRow::removeStop);
    setStops({FromColorCode("00FF00"), FromColorCode("0000FF")});
}

std::vector<ColorValue> GradientStopRow::stops() const {
    std::vector<ColorValue> result;
    result.reserve(count_);
    for (std::size_t stop = 0; stop < count_; ++stop) {
        result.push_back(panels_[stop]->color());
    }
    return result;
}

void GradientStopRow::setStops(const std::vector<ColorValue>& stops) {
    if (stops.empty()) {
        return;
    }
    const std::size_t count = std::clamp(stops.size(), kMinGradientStops, kMaxGradientStops);
    for (std::size_t stop = 0; stop < count; ++stop) {
        SetPanelColor(panels_[stop], stop < stops.size() ? stops[stop] : stops.back());
    }
    showCount(count);
}

void GradientStopRow::addStop() {
    if (count_ >= kMaxGradientStops) {
        return;
    }
    // The new stop starts as the last one, so the gradient looks the same until it is picked.
    SetPanelColor(panels_[count_], panels_[count_ - 1]->color());
    showCount(count_ + 1);
    emit countChanged();
}

void GradientStopRow::removeStop() {
    if (count_ <= kMinGradientStops) {
        return;
    }
    showCount(count_ - 1);
    emit countChanged();
}

void GradientStopRow::showCount(std::size_t count) {
    count_ = count;
    for (std::size_t stop = 0; stop < panels_.size(); ++stop) {
        panels_[stop]->setVisible(stop < count);
    }
    addButton->setEnabled(count < kMaxGradientStops);
    removeButton->setEnabled(count > kMinGradientStops);
}

}  // namespace tagforge
