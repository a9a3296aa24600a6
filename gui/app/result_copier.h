#pragma once

#include <QObject>
#include <string>

class QPushButton;
class QWidget;

namespace tagforge {

class Clipboard;
class MessageBoxes;
class TransientNote;

// Puts a result on the clipboard and says so: a short note with its length, and a warning when
// it is longer than the threshold (it is copied all the same). While any mouse button holds the
// copy button down, its caption is red.
class ResultCopier final : public QObject {
    Q_OBJECT

  public:
    ResultCopier(QPushButton& copyButton, TransientNote& note, Clipboard& clipboard,
                 MessageBoxes& messages, QObject* parent = nullptr);

    // `text` is Windows-1251; `threshold` 0 means none.
    void copy(const std::string& text, int threshold);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton& copyButton_;
    TransientNote& note_;
    Clipboard& clipboard_;
    MessageBoxes& messages_;
};

}  // namespace tagforge
