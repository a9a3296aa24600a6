#pragma once

#include <QWidget>

class QProgressBar;

namespace tagforge {

// The small tool window that shows how far the copying of a new group's images has got. Its owner
// sets the caption and the bar; it has no handlers of its own.
class CopyProgressWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit CopyProgressWindow(QWidget* parent = nullptr);

    // Shows how much of the copying is done, in percent.
    void setProgress(int percent);

  private:
    QProgressBar* progressBar = nullptr;
};

}  // namespace tagforge
