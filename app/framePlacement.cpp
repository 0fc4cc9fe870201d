#include "app/framePlacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace gyrelune {

FramePlacement::FramePlacement(QWidget* window, QPoint framePosition, QSize outerSize)
    : QObject(window), window_(window), framePosition_(framePosition), outerSize_(outerSize) {}

void FramePlacement::show(QMargins guess) {
    place(guess);
    window_->installEventFilter(this);
    window_->show();
    // The window, not the widget, hears of its exposure in a new frame.
    if (QWindow* handle = window_->windowHandle()) handle->installEventFilter(this);
    placeOnceFramed();
}

void FramePlacement::place(QMargins frame) {
    const QSize client = outerSize_.isValid() ? outerSize_.shrunkBy(frame) : window_->size();
    if (!settled_) {
        // Not framed yet: the window system places the frame, as well as it can guess it.
        window_->resize(client);
        window_->move(framePosition_);
        return;
    }
    // Qt may still hold the frame it saw before the window manager framed the window.
    window_->setGeometry(QRect(framePosition_ + QPoint(frame.left(), frame.top()), client));
}

// The frame comes with the window manager's answer: a move or resize of the
// client, or its exposure in the new frame.
bool FramePlacement::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Paint:
    case QEvent::WindowActivate:
    case QEvent::Expose:
        if (!settled_) placeOnceFramed();
        break;
    default:
        break;
    }
    return false;
}

void FramePlacement::placeOnceFramed() {
    const QWindow* handle = window_->windowHandle();
    if (!handle) return;
    const QMargins frame = handle->frameMargins();
    // While the window manager reparents the window the margins can come out negative.
    if (frame.isNull() || frame.left() < 0 || frame.top() < 0 || frame.right() < 0 ||
        frame.bottom() < 0)
        return;
    settled_ = true;
    window_->removeEventFilter(this);
    window_->windowHandle()->removeEventFilter(this);
    place(frame);
}

} // namespace gyrelune
