#pragma once

#include <QPoint>
#include <QWidget>
#include <vector>

#include "core/format/color_code.h"

class QPushButton;

namespace tagforge {

class ColorPanel;

// The colours of the gradient through stops: a panel per stop, 2 to 8 of them, with buttons that
// add a stop after the last and remove the last.
class GradientStopRow final : public QWidget {
    Q_OBJECT

  public:
    explicit GradientStopRow(QWidget* parent = nullptr);

    std::vector<ColorValue> stops() const;
    // Shows `stops`, cut or filled up to the allowed count.
    void setStops(const std::vector<ColorValue>& stops);

    void addStop();
    void removeStop();

  signals:
    void panelClicked(ColorPanel* panel, Qt::MouseButton button, QPoint globalPos);
    // A stop was added or removed.
    void countChanged();

  private:
    void showCount(std::size_t count);

    std::vector<ColorPanel*> panels_;
    std::size_t count_ = 0;
    QPushButton* addButton = nullptr;
    QPushButton* removeButton = nullptr;
};

}  // namespace tagforge
