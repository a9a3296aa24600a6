#include "gui/pickers/hex_color_dialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>

namespace {

constexpr int kCodeLength = 6;

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kEscape = 27;

// Shows every letter as a capital, however it got into the field. It accepts anything else,
// since the box checks only the length when OK is pressed.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

bool IsHexDigit(QChar ch) {
    const char16_t c = ch.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The character a key press types, or a null character for keys that type nothing. Ctrl with a
// letter means a control character, as on X11; some platforms and synthesized events report the
// plain letter instead, and some leave Enter and Escape without text.
QChar TypedCharacter(const QKeyEvent& event) {
    if (event.text().size() != 1) {
        switch (event.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return QChar(kEnter);
            case Qt::Key_Escape:
                return QChar(kEscape);
            default:
                return QChar();
        }
    }
    const QChar ch = event.text().at(0);
    const char16_t upper = ch.toUpper().unicode();
    if (event.modifiers().testFlag(Qt::ControlModifier) && upper >= u'A' && upper <= u'Z') {
        return QChar(static_cast<char16_t>(upper - u'A' + 1));
    }
    return ch;
}

QToolButton* MakeFlatButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setAutoRaise(true);
    // Like a speed button it never takes the focus, so every key goes to the field.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

HexColorDialog::HexColorDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("RRGGBB-цвет"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    setFixedSize(172, 28);

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);

    codeEdit = new QLineEdit(frame);
    codeEdit->setObjectName(QStringLiteral("Edit1"));
    codeEdit->setMaxLength(kCodeLength);
    codeEdit->setFixedWidth(56);
    codeEdit->setValidator(new UpperCaseValidator(codeEdit));
    // Input methods would hand text over without key presses, around the character filter.
    codeEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    codeEdit->installEventFilter(this);

    okButton = MakeFlatButton(QStringLiteral("SpeedButton1"), QStringLiteral("Ok"), frame);
    cancelButton = MakeFlatButton(QStringLiteral("SpeedButton2"), QStringLiteral("Отмена"), frame);
    connect(okButton, &QToolButton::clicked, this, &HexColorDialog::confirm);
    connect(cancelButton, &QToolButton::clicked, this, &HexColorDialog::cancel);

    auto* panelLayout = new QHBoxLayout(frame);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->setSpacing(2);
    panelLayout->addWidget(codeEdit);
    panelLayout->addWidget(okButton);
    panelLayout->addWidget(cancelButton);
    panelLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    codeEdit->setFocus();
}

QString HexColorDialog::text() const {
    return codeEdit->text();
}

void HexColorDialog::setText(const QString& text) {
    codeEdit->setText(text);
}

bool HexColorDialog::acceptsKey(QChar ch) {
    if (IsHexDigit(ch) || ch.unicode() == kBackspace) {
        return true;
    }
    if (ch.unicode() == kEnter) {
        confirm();
    } else if (ch.unicode() == kEscape) {
        done(kResultCancel);
    }
    return false;
}

void HexColorDialog::confirm() {
    if (codeEdit->text().size() == kCodeLength) {
        done(kResultOk);
    }
}

void HexColorDialog::cancel() {
    done(kResultCancel);
}

void HexColorDialog::reject() {
    done(kResultCancel);
}

bool HexColorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == codeEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Delete and Tab carry control characters on X11 (0x7F, 0x09) but edit and move focus.
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab) {
            return QDialog::eventFilter(watched, event);
        }
        const QChar ch = TypedCharacter(*key);
        // Keys that type nothing (arrows, Home, Delete) keep their usual editing.
        if (!ch.isNull()) {
            return !acceptsKey(ch);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HexColorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The field starts selected, so typing replaces the old code instead of hitting the limit.
    codeEdit->selectAll();
    codeEdit->setFocus();
}
