#pragma once

#include <QListWidget>
#include <QPoint>

#include "gui/platform/platform_services.h"

namespace tagforge {

// The page's hidden palette: colour codes, each item drawn in its colour. Choosing an item opens
// the colour picker for it; a right click types a code for the item under the cursor.
class PaletteList final : public QListWidget {
    Q_OBJECT

  public:
    explicit PaletteList(PlatformServices services, QWidget* parent = nullptr);

    // Opens the colour picker for the current item and shows the colour it returns.
    void pickCurrentItemColor();
    // A mouse button released at `localPos` in the list: the right button asks for the code of
    // the item there; other buttons do nothing.
    void mouseReleasedAt(Qt::MouseButton button, QPoint localPos, QPoint globalPos);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    PlatformServices services_;
};

}  // namespace tagforge
