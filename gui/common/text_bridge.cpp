#include "gui/common/text_bridge.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "core/format/count_word.h"
#include "core/format/cp1251.h"

namespace tagforge {

std::string ToCp1251(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    // QString::toUtf8 replaces unpaired surrogates, so the bytes are always valid UTF-8.
    return Utf8ToCp1251(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))
        .value_or(std::string());
}

QString FromCp1251(std::string_view text) {
    const std::string utf8 = Cp1251ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString FromStoredCp1251(std::string_view text) {
    const std::string utf8 = Cp1251ToUtf8RestoringReferences(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCp1251Lines(const QString& text) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToCp1251(crlf);
}

QString FromCp1251Lines(std::string_view text) {
    QString lines = FromCp1251(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

QString FromStoredCp1251Lines(std::string_view text) {
    QString lines = FromStoredCp1251(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

QString PlainTextOf(const QPlainTextEdit* edit) {
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

std::vector<std::string> ItemsOf(const QComboBox* box) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(box->count()));
    for (int i = 0; i < box->count(); ++i) {
        items.push_back(ToCp1251(box->itemText(i)));
    }
    return items;
}

int FindIgnoringCase(const QComboBox* box, std::string_view name) {
    for (int i = 0; i < box->count(); ++i) {
        if (EqualsNoCaseCp1251(ToCp1251(box->itemText(i)), name)) {
            return i;
        }
    }
    return -1;
}

QString ErrorText(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

void SetItems(QComboBox* box, const std::vector<std::string>& items) {
    box->clear();
    for (const std::string& item : items) {
        box->addItem(FromCp1251(item));
    }
}

QColor ToQColor(ColorValue color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

ColorValue FromQColor(const QColor& color) {
    return MakeColor(color.red(), color.green(), color.blue());
}

QString CountWord(std::size_t count, const QString& one, const QString& few, const QString& many) {
    return ChooseCountWord(count, one, few, many);
}

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace tagforge
