#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace tagforge {

class UrlOpener;

// The About page: the program's text and the maker's contacts; a click on the e-mail address or
// the home page opens them.
class AboutPage final : public QWidget {
    Q_OBJECT

  public:
    explicit AboutPage(UrlOpener& urls, QWidget* parent = nullptr);

    // Fills the text anew; the window runs it whenever the page comes up.
    void showText();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void writeEmail();
    void openHomePage();

    UrlOpener& urls_;
    QPlainTextEdit* textMemo;
    QLineEdit* emailEdit;
    QLineEdit* homePageEdit;
    QLineEdit* icqEdit;
};

}  // namespace tagforge
