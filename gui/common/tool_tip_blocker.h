#pragma once

#include <QObject>

class QWidget;

namespace tagforge {

// Swallows the tool tips of one window while it is installed on the application, which hands it
// every event; other windows keep theirs.
class ToolTipBlocker final : public QObject {
    Q_OBJECT

  public:
    explicit ToolTipBlocker(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

}  // namespace tagforge
