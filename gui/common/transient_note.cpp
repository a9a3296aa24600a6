#include "gui/common/transient_note.h"

namespace tagforge {

namespace {

constexpr int kShownMs = 4000;

}  // namespace

TransientNote::TransientNote(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("TransientNote"));
    setForegroundRole(QPalette::PlaceholderText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setVisible(false);
    clearTimer_.setSingleShot(true);
    clearTimer_.setInterval(kShownMs);
    connect(&clearTimer_, &QTimer::timeout, this, &TransientNote::finish);
}

void TransientNote::show(const QString& text) {
    setText(text);
    setVisible(true);
    clearTimer_.start();
    emit shownChanged(true);
}

void TransientNote::finish() {
    clear();
    setVisible(false);
    emit shownChanged(false);
}

}  // namespace tagforge
