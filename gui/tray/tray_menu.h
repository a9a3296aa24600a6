#pragma once

#include <QMenu>

class QAction;

namespace tagforge {

// The tray icon's menu: hide or show the window, and close the program.
class TrayMenu final : public QMenu {
    Q_OBJECT

  public:
    explicit TrayMenu(QWidget* parent = nullptr);

    // The first entry offers to show the window while it is hidden in the tray, else to hide it.
    void setWindowHidden(bool hidden);
    bool offersToShow() const;

  signals:
    void hideOrShowChosen();
    void closeChosen();

  private:
    QAction* hideShowAction;
    QAction* closeAction;
};

}  // namespace tagforge
