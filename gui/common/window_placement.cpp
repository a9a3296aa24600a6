#include "gui/common/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <climits>

namespace tagforge {

namespace {

struct Span {
    qint64 left, top, right, bottom;  // right and bottom exclusive
};

Span SpanOf(const QRect& rect) {
    return {rect.left(), rect.top(), qint64(rect.left()) + rect.width(),
            qint64(rect.top()) + rect.height()};
}

// A window whose title bar is above a screen's top edge overlaps the screen but cannot be
// dragged, so the strip at the top of the frame is what has to be on the screen.
bool TitleBarOn(const Span& window, const Span& screen) {
    const qint64 grip = std::min<qint64>(kTitleBarGrip, window.right - window.left);
    const qint64 shown = std::min(window.right, screen.right) - std::max(window.left, screen.left);
    return window.top >= screen.top && window.top + kTitleBarGrip <= screen.bottom && shown >= grip;
}

qint64 CentreDistance(const Span& a, const Span& b) {
    const qint64 dx = (a.left + a.right) / 2 - (b.left + b.right) / 2;
    const qint64 dy = (a.top + a.bottom) / 2 - (b.top + b.bottom) / 2;
    // Halved first so the squares stay within 64 bits for any 32-bit position.
    return (dx / 2) * (dx / 2) + (dy / 2) * (dy / 2);
}

constexpr Qt::WindowStates kNotNormal = Qt::WindowMaximized | Qt::WindowFullScreen;

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(screen->availableGeometry());
    }
    return areas;
}

}  // namespace

QRect PlaceOnScreens(qint64 left, qint64 top, QSize size, const QList<QRect>& screens) {
    const Span wanted{left, top, left + size.width(), top + size.height()};
    const auto reachable = [&wanted](const QRect& screen) {
        return TitleBarOn(wanted, SpanOf(screen));
    };
    const auto holder = std::find_if(screens.begin(), screens.end(), reachable);
    if (screens.isEmpty() || holder != screens.end()) {
        // No larger than the screen that holds the title bar, so its edges can still be reached.
        const QSize limit = holder != screens.end() ? holder->size() : size;
        return {QPoint(int(std::clamp<qint64>(left, INT_MIN / 2, INT_MAX / 2)),
                       int(std::clamp<qint64>(top, INT_MIN / 2, INT_MAX / 2))),
                size.boundedTo(limit)};
    }
    const QRect nearest = *std::min_element(
        screens.begin(), screens.end(), [&wanted](const QRect& a, const QRect& b) {
            return CentreDistance(SpanOf(a), wanted) < CentreDistance(SpanOf(b), wanted);
        });
    const int width = std::min(size.width(), nearest.width());
    const int height = std::min(size.height(), nearest.height());
    const qint64 x =
        std::clamp<qint64>(left, nearest.left(), nearest.left() + nearest.width() - width);
    const qint64 y =
        std::clamp<qint64>(top, nearest.top(), nearest.top() + nearest.height() - height);
    return {int(x), int(y), width, height};
}

WindowPlacement::WindowPlacement(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

void WindowPlacement::restore(const Place& place) {
    const bool sized = place.size.isValid() && !place.size.isEmpty();
    askedSize_ = sized ? place.size : QSize();
    if (sized) {
        window_->resize(place.size);
    } else {
        // Sized now rather than when shown, so that what opens before then (the smiley pane)
        // widens the window's own size, not a size it never had.
        window_->adjustSize();
    }
    wanted_ = QPoint(int(std::clamp<qint64>(place.left, INT_MIN / 2, INT_MAX / 2)),
                     int(std::clamp<qint64>(place.top, INT_MIN / 2, INT_MAX / 2)));
    placeFrame();
}

void WindowPlacement::placeFrame() {
    const QRect placed =
        PlaceOnScreens(wanted_->x(), wanted_->y(), window_->size(), AvailableScreenAreas());
    if (placed.size() != window_->size()) {
        window_->resize(placed.size());
    }
    window_->move(placed.topLeft());
    // Shown for the first time, a window on X11 has no frame yet, and Qt would put its inner
    // corner where the frame's belongs: every restart would then lift it by its title bar.
    // Asking for the frame's corner lets the window manager put the title bar there. The native
    // window takes the widget's size first, or showing would set its geometry again, inner
    // corner and all.
    if (QWindow* handle = window_->windowHandle();
        handle != nullptr && handle->handle() != nullptr) {
        handle->resize(window_->size());
        handle->setFramePosition(placed.topLeft());
    }
}

QMargins WindowPlacement::frameMargins() const {
    // A hidden window may have lost its frame already, and a maximised one may have a thinner
    // one; the last frame seen in the normal state is kept.
    const QWindow* handle = window_->windowHandle();
    if (handle != nullptr && (window_->windowState() & kNotNormal) == 0) {
        const QMargins frame = handle->frameMargins();
        if (!frame.isNull()) {
            lastFrame_ = frame;
        }
    }
    return lastFrame_;
}

WindowPlacement::Place WindowPlacement::current() const {
    const bool normal = (window_->windowState() & kNotNormal) == 0;
    const QRect inner = normal ? window_->geometry() : window_->normalGeometry();
    if (wanted_) {
        // Never shown: the window has not been laid out, and the user has not seen it.
        return {window_->x(), window_->y(), askedSize_.isValid() ? window_->size() : QSize()};
    }
    const QMargins frame = frameMargins();
    return {inner.left() - frame.left(), inner.top() - frame.top(), inner.size()};
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::Show:
                // The size is final now and the native window exists, but it is not on the
                // screen yet.
                if (wanted_) {
                    placeFrame();
                    wanted_.reset();
                }
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowStateChange:
            case QEvent::Hide:
                frameMargins();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tagforge
