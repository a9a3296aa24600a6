#pragma once

#include <QLabel>
#include <QTimer>

namespace tagforge {

// A quiet line of text that confirms what just happened ("Скопировано: 590 символов") and clears
// itself after a few seconds, instead of a box the user has to close.
class TransientNote final : public QLabel {
    Q_OBJECT

  public:
    explicit TransientNote(QWidget* parent = nullptr);

    void show(const QString& text);

  private:
    QTimer clearTimer_;
};

}  // namespace tagforge
