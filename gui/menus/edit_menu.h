#pragma once

#include <QMenu>
#include <QPointer>
#include <string>
#include <vector>

class QAction;

namespace tagforge {

class Clipboard;

// The edit menu shared by the window's text fields: undo, cut, copy, paste, clear, select all, and
// the stored nicks to save the selection as, insert or delete. Its commands act on the field it was
// last opened on. Nicks are Windows-1251.
class EditMenu final : public QMenu {
    Q_OBJECT

  public:
    EditMenu(Clipboard& clipboard, QWidget* parent = nullptr);

    // Makes the menu the context menu of `control`.
    void attach(QWidget* control);
    void openOn(QWidget* target, QPoint globalPos);
    // The field the menu was last opened on, or null.
    QWidget* target() const { return target_.data(); }

    const std::vector<std::string>& nicks() const { return nicks_; }
    void setNicks(std::vector<std::string> nicks);

  private:
    void prepare();
    void undoEdit();
    void cutText();
    void copyText();
    void pasteText();
    void clearText();
    void selectAllText();
    void saveSelectionAsNick();
    void insertNick(QAction* item);
    void deleteNick(QAction* item);

    Clipboard& clipboard_;
    std::vector<std::string> nicks_;
    QPointer<QWidget> target_;
    QAction* undoAction;
    QAction* cutAction;
    QAction* copyAction;
    QAction* pasteAction;
    QAction* clearAction;
    QAction* selectAllAction;
    QAction* nickSeparator;
    QAction* saveAsNickAction;
    QMenu* insertNickMenu;
    QMenu* deleteNickMenu;
};

}  // namespace tagforge
