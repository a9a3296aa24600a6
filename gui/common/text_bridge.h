#pragma once

#include <QColor>
#include <QString>
#include <cstddef>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"

class QComboBox;
class QPlainTextEdit;

// Conversions at the edge between Qt's Unicode widgets and the core's Windows-1251 text.
namespace tagforge {

// Characters outside Windows-1251 become character references.
std::string ToCp1251(const QString& text);
QString FromCp1251(std::string_view text);

// A multi-line widget's text with CR LF line breaks, and back.
std::string ToCp1251Lines(const QString& text);
QString FromCp1251Lines(std::string_view text);

// Stored text put back into a field as the user typed it: the character references that
// ToCp1251 wrote for characters outside the code page become those characters again, and
// ToCp1251 of the field's text gives back the stored bytes.
QString FromStoredCp1251(std::string_view text);
QString FromStoredCp1251Lines(std::string_view text);

// The text of a multi-line field as typed: unlike toPlainText, non-breaking spaces stay.
QString PlainTextOf(const QPlainTextEdit* edit);

// A list box's entries as Windows-1251 texts, and entries replaced by such texts.
std::vector<std::string> ItemsOf(const QComboBox* box);
void SetItems(QComboBox* box, const std::vector<std::string>& items);
// The position of the entry equal to `name` without regard to case; -1 when there is none.
int FindIgnoringCase(const QComboBox* box, std::string_view name);

// The one of `one`, `few` and `many` that CountFormOf(count) names.
QString CountWord(std::size_t count, const QString& one, const QString& few, const QString& many);

// The message of a failure, for an error box.
QString ErrorText(const std::exception& error);

// File paths and Qt strings: through UTF-16, so every name survives on every system (a path's
// narrow string is in the ANSI code page on Windows).
std::filesystem::path ToPath(const QString& text);
QString FromPath(const std::filesystem::path& path);

QColor ToQColor(ColorValue color);
ColorValue FromQColor(const QColor& color);

}  // namespace tagforge
