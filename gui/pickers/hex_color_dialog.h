#pragma once

#include <QDialog>

class QEvent;
class QFrame;
class QLineEdit;
class QToolButton;

// The small borderless box where a colour is typed as six hexadecimal digits, red first. It
// closes with result 1 (OK) or 2 (cancel).
class HexColorDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    explicit HexColorDialog(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // Decides whether a typed character reaches the field; Enter and Escape act instead.
    bool acceptsKey(QChar ch);
    void confirm();
    void cancel();
    // Every way of dismissing the box (Escape, closing the window) counts as cancel.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QFrame* frame;
    QLineEdit* codeEdit;
    QToolButton* okButton;
    QToolButton* cancelButton;
};
