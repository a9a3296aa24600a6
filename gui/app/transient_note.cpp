#include "gui/app/transient_note.h"

namespace tagforge {

namespace {

constexpr int kShownMs = 4000;

}  // namespace

TransientNote::TransientNote(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("TransientNote"));
    setForegroundRole(QPalette::PlaceholderText);
    clearTimer_.setSingleShot(true);
    clearTimer_.setInterval(kShownMs);
    connect(&clearTimer_, &QTimer::timeout, this, &QLabel::clear);
}

void TransientNote::show(const QString& text) {
    setText(text);
    clearTimer_.start();
}

}  // namespace tagforge
