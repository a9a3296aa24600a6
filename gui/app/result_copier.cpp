#include "gui/app/result_copier.h"

#include <QEvent>
#include <QPushButton>

#include "gui/common/text_bridge.h"
#include "gui/common/transient_note.h"
#include "gui/platform/platform_services.h"

namespace tagforge {

namespace {

QString CopyConfirmation(std::size_t length, int threshold) {
    QString text = QStringLiteral("Скопировано: %1 %2")
                       .arg(length)
                       .arg(CountWord(length, QStringLiteral("символ"), QStringLiteral("символа"),
                                      QStringLiteral("символов")));
    if (threshold != 0) {
        text += QStringLiteral(" (порог %1)").arg(threshold);
    }
    return text;
}

void SetCaptionColor(QPushButton& button, Qt::GlobalColor color) {
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, color);
    button.setPalette(palette);
}

}  // namespace

ResultCopier::ResultCopier(QPushButton& copyButton, TransientNote& note, Clipboard& clipboard,
                           MessageBoxes& messages, QObject* parent)
    : QObject(parent),
      copyButton_(copyButton),
      note_(note),
      clipboard_(clipboard),
      messages_(messages) {
    // Any mouse button turns the caption red, not only the one that clicks.
    copyButton_.installEventFilter(this);
}

void ResultCopier::copy(const std::string& text, int threshold) {
    clipboard_.setText(FromCp1251(text));
    note_.show(CopyConfirmation(text.size(), threshold));
    if (threshold != 0 && text.size() > static_cast<std::size_t>(threshold)) {
        messages_.warning(copyButton_.window(),
                          QStringLiteral("Результирующее сообщение превышает пороговую длину"));
    }
}

bool ResultCopier::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &copyButton_ && event->type() == QEvent::MouseButtonPress) {
        SetCaptionColor(copyButton_, Qt::red);
    } else if (watched == &copyButton_ && event->type() == QEvent::MouseButtonRelease) {
        SetCaptionColor(copyButton_, Qt::black);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tagforge
