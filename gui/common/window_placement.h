#pragma once

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace tagforge {

// Height and least width of the strip at the top of a window's frame that must lie on a screen for
// the user to drag the window by its title bar.
inline constexpr int kTitleBarGrip = 24;

// Where a window whose frame is stored at (left, top) with `size` goes so that the user can reach
// it: in place while the top strip of its frame (its title bar) lies on one of the screens'
// available areas, and no larger than that area; otherwise moved (and shrunk where it is larger)
// onto the nearest screen. No screens: unchanged. Stored positions may be any 32-bit value, so the
// arithmetic is done in 64 bits.
QRect PlaceOnScreens(qint64 left, qint64 top, QSize size, const QList<QRect>& screens);

// Keeps a top-level window where the user left it from one run to the next. The stored corner is
// that of the frame, title bar included, as the desktop shows it; the stored size is the window's
// inner size.
class WindowPlacement final : public QObject {
  public:
    struct Place {
        qint64 left = 0;
        qint64 top = 0;
        QSize size;  // not valid: the window's own size
    };

    explicit WindowPlacement(QWidget* window);

    // Gives the window `place`, kept within reach of the screens; the frame goes to its corner
    // when the window first appears, once its final size is known.
    void restore(const Place& place);
    // The frame's corner and the inner size of the window in its normal (not maximised) state.
    Place current() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeFrame();
    QMargins frameMargins() const;

    QWidget* window_;
    // The frame's corner and the size asked for, until the window first appears.
    std::optional<QPoint> wanted_;
    QSize askedSize_;
    // The frame as last seen on the screen; a window hidden in the tray has none to ask about.
    mutable QMargins lastFrame_;
};

}  // namespace tagforge
