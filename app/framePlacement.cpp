#include "app/framePlacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace gyrelune {

FramePlacement::FramePlacement(QWidget* window, QPoint framePosition, QSize outerSize)
    : QObject(window), window_(window), framePosition_(framePosition), outerSize_(outerSize) {}

QSize FramePlacement::clientSizeFor(QSize outerSize, QMargins frame) {
    return outerSize.shrunkBy(frame);
}

void FramePlacement::show(QMargins guess) {
    place(guess);
    window_->installEventFilter(this);
    window_->show();
    placeOnceFramed();
}

void FramePlacement::place(QMargins frame) {
    if (outerSize_.isValid()) window_->resize(clientSizeFor(outerSize_, frame));
    // A top-level window's position is that of its frame, once the frame is known.
    window_->move(framePosition_);
}

// The frame comes with the window manager's answer: a move or resize of the
// client, or its exposure in the new frame.
bool FramePlacement::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Paint:
    case QEvent::WindowActivate:
        if (watched == window_ && !settled_) placeOnceFramed();
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
    if (frame.isNull()) return;
    settled_ = true;
    window_->removeEventFilter(this);
    place(frame);
}

} // namespace gyrelune
