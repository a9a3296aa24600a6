#pragma once

#include <QString>
#include <QWidget>
#include <string>

namespace tagforge {

// The formatter's result, kept under the name ResultText and never shown. It holds the
// Windows-1251 bytes rather than text in an editor, because laying out a multi-megabyte
// single-line result in a text editor would make every copy of a long message take seconds.
class ResultMemo final : public QWidget {
    Q_OBJECT

  public:
    explicit ResultMemo(QWidget* parent = nullptr);

    const std::string& bytes() const { return bytes_; }
    void setBytes(std::string bytes) { bytes_ = std::move(bytes); }
    QString toPlainText() const;

  private:
    std::string bytes_;
};

}  // namespace tagforge
