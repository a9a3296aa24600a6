#pragma once

#include <QLabel>
#include <cstddef>
#include <functional>

class QTimer;

namespace tagforge {

// The quiet label next to the copy button: the length of what the copy button would put on the
// clipboard, against the threshold when one is set, and how coarse the threshold made the
// colours. Changes are measured after a short pause, so typing a long message stays smooth.
class LengthMeter final : public QLabel {
    Q_OBJECT

  public:
    struct Reading {
        std::size_t length = 0;
        int threshold = 0;  // 0: none
        int lettersPerColor = 1;
    };

    // `measure` builds the result the copy button would copy and reads it.
    explicit LengthMeter(std::function<Reading()> measure, QWidget* parent = nullptr);

    // Measures again once the edits pause.
    void scheduleMeasure();
    // What the pause after the last change does: measures and shows the reading.
    void measureNow();
    // Measures again after any edit of an input control below `root`.
    void watch(QWidget* root);
    void display(const Reading& reading);

  private:
    int reservedWidth() const;

    std::function<Reading()> measure_;
    QTimer* pause_ = nullptr;
};

// The label's text: "Длина: 312 из 900, по 2 буквы на цвет".
QString LengthMeterText(const LengthMeter::Reading& reading);

}  // namespace tagforge
