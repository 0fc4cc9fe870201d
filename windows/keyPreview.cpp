#include "windows/keyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace gyrelune {

int virtualKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Shift:
        return vkShift;
    case Qt::Key_Control:
        return vkControl;
    case Qt::Key_Alt:
        return vkMenu;
    default:
        return 0;
    }
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    if (qApp) qApp->removeEventFilter(this);
}

// An ignored key press travels from its receiver up through the parents and
// passes this filter once per widget; only the first delivery counts.
bool KeyPreview::isPropagation(const QEvent* event, QWidget* receiver) const {
    return event == lastEvent_ && lastReceiver_ && receiver != lastReceiver_ &&
           receiver->isAncestorOf(lastReceiver_);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    if (receiver->window() != window_) return false;
    const bool again = isPropagation(event, receiver);
    lastEvent_ = event;
    lastReceiver_ = receiver;
    if (again) return false;
    if (const int key = virtualKeyCode(*static_cast<QKeyEvent*>(event))) handler_(key);
    return false;
}

} // namespace gyrelune
