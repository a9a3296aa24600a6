#include "gui/app/single_line_fields.h"

#include <QLineEdit>
#include <QValidator>

namespace tagforge {

namespace {

bool IsLineBreak(QChar ch) {
    return ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}

// A field's text reaches the validator on every change, whichever way it came in.
class SingleLineValidator final : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        QString line;
        line.reserve(input.size());
        int cursor = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar ch = input.at(i);
            line.append(IsLineBreak(ch) ? QChar(QLatin1Char(' ')) : ch);
            if (ch == QLatin1Char('\r') && i + 1 < input.size() &&
                input.at(i + 1) == QLatin1Char('\n')) {
                ++i;
                if (i < pos) {
                    --cursor;
                }
            }
        }
        input = line;
        pos = cursor;
        return Acceptable;
    }
};

}  // namespace

void KeepFieldsOnOneLine(QWidget* root) {
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        if (field->validator() == nullptr) {
            field->setValidator(new SingleLineValidator(field));
        }
    }
}

}  // namespace tagforge
