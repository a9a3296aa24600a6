#include "gui/formatting/length_meter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "gui/common/text_bridge.h"
#include "gui/pickers/color_panel.h"

namespace tagforge {

namespace {

constexpr int kPauseMs = 100;
// Nine digits: a result of a gigabyte is far beyond any message.
constexpr std::size_t kLongestReservedLength = 999999999;
constexpr int kLongestThreshold = 9999;
constexpr int kCoarsestStep = 20;

template <class Control, class Signal>
void WatchAll(QWidget* root, Signal signal, LengthMeter* meter) {
    for (Control* control : root->findChildren<Control*>()) {
        QObject::connect(control, signal, meter, &LengthMeter::scheduleMeasure);
    }
}

}  // namespace

int LengthMeter::reservedWidth() const {
    return fontMetrics().horizontalAdvance(
        LengthMeterText({kLongestReservedLength, kLongestThreshold, kCoarsestStep}));
}

QString LengthMeterText(const LengthMeter::Reading& reading) {
    QString text = QStringLiteral("Длина: %1").arg(reading.length);
    if (reading.threshold != 0) {
        text += QStringLiteral(" из %1").arg(reading.threshold);
    }
    if (reading.lettersPerColor > 1) {
        text += QStringLiteral(", по %1 %2 на цвет")
                    .arg(reading.lettersPerColor)
                    .arg(CountWord(static_cast<std::size_t>(reading.lettersPerColor),
                                   QStringLiteral("буква"), QStringLiteral("буквы"),
                                   QStringLiteral("букв")));
    }
    return text;
}

LengthMeter::LengthMeter(std::function<Reading()> measure, QWidget* parent)
    : QLabel(parent), measure_(std::move(measure)), pause_(new QTimer(this)) {
    setObjectName(QStringLiteral("lResultLength"));
    setToolTip(QStringLiteral("Длина результата, который будет скопирован"));
    // Room up front for the longest reading of any message a chat could take, so the window keeps
    // its width as the text changes.
    setMinimumWidth(reservedWidth());
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    connect(pause_, &QTimer::timeout, this, &LengthMeter::measureNow);
}

void LengthMeter::scheduleMeasure() {
    pause_->start();
}

void LengthMeter::measureNow() {
    display(measure_());
}

void LengthMeter::watch(QWidget* root) {
    WatchAll<QLineEdit>(root, &QLineEdit::textChanged, this);
    WatchAll<QPlainTextEdit>(root, &QPlainTextEdit::textChanged, this);
    WatchAll<QComboBox>(root, &QComboBox::currentIndexChanged, this);
    WatchAll<QComboBox>(root, &QComboBox::editTextChanged, this);
    WatchAll<QAbstractButton>(root, &QAbstractButton::toggled, this);
    WatchAll<QAbstractButton>(root, &QAbstractButton::clicked, this);
    WatchAll<QSlider>(root, &QSlider::valueChanged, this);
    WatchAll<QSpinBox>(root, &QSpinBox::valueChanged, this);
    WatchAll<ColorPanel>(root, &ColorPanel::mouseReleased, this);
    // Another tab shows another line to copy.
    WatchAll<QTabWidget>(root, &QTabWidget::currentChanged, this);
    for (QListWidget* list : root->findChildren<QListWidget*>()) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this,
                &LengthMeter::scheduleMeasure);
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this,
                &LengthMeter::scheduleMeasure);
    }
}

void LengthMeter::display(const Reading& reading) {
    pause_->stop();
    setText(LengthMeterText(reading));
    // A longer reading still shows whole; the window widens rather than cut it.
    setMinimumWidth(std::max(reservedWidth(), fontMetrics().horizontalAdvance(text())));
    const bool over =
        reading.threshold != 0 && reading.length > static_cast<std::size_t>(reading.threshold);
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, over ? QColor(Qt::red) : QColor(Qt::darkGray));
    setPalette(colors);
}

}  // namespace tagforge
