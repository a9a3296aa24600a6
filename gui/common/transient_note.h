#pragma once

#include <QLabel>
#include <QTimer>

namespace tagforge {

// A quiet line of text that confirms what just happened ("Скопировано: 590 символов") and hides
// itself after a few seconds, instead of a box the user has to close. It takes the room it is
// given and never widens the window.
class TransientNote final : public QLabel {
    Q_OBJECT

  public:
    explicit TransientNote(QWidget* parent = nullptr);

    void show(const QString& text);

  signals:
    void shownChanged(bool shown);

  private:
    void finish();

    QTimer clearTimer_;
};

}  // namespace tagforge
