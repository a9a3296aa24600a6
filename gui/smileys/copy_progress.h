#pragma once

#include <QWidget>

class QProgressBar;

namespace tagforge {

// The small tool window that shows how far the copying of a new group's images has got. Its owner
// sets the caption and the bar; it has no handlers of its own.
class TForm3 final : public QWidget {
    Q_OBJECT

  public:
    explicit TForm3(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1 = nullptr;
};

}  // namespace tagforge
