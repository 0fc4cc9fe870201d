#include "windows/keyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <map>

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

namespace {

class ApplicationKeyFilter : public QObject {
  public:
    static ApplicationKeyFilter& instance() {
        static QPointer<ApplicationKeyFilter> filter;
        if (!filter) {
            filter = new ApplicationKeyFilter(qApp);
            qApp->installEventFilter(filter);
        }
        return *filter;
    }

    void watch(QWidget* window, KeyHandler handler) {
        handlers_[window] = std::move(handler);
        connect(window, &QObject::destroyed, this, [this, window] { handlers_.erase(window); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
    bool isPropagation(const QEvent* event, QWidget* receiver) const;

    std::map<const QWidget*, KeyHandler> handlers_;
    const QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};

// An ignored key press travels from its receiver up through the parents and
// passes this filter once per widget; only the first delivery counts.
bool ApplicationKeyFilter::isPropagation(const QEvent* event, QWidget* receiver) const {
    return event == lastEvent_ && lastReceiver_ && receiver != lastReceiver_ &&
           receiver->isAncestorOf(lastReceiver_);
}

bool ApplicationKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    const auto found = handlers_.find(receiver->window());
    if (found == handlers_.end()) return false;
    const bool again = isPropagation(event, receiver);
    lastEvent_ = event;
    lastReceiver_ = receiver;
    if (again) return false;
    if (const int key = virtualKeyCode(*static_cast<QKeyEvent*>(event))) {
        // The handler may close or free windows, this one's entry included.
        const KeyHandler handler = found->second;
        handler(key);
    }
    return false;
}

} // namespace

void previewKeys(QWidget* window, KeyHandler handler) {
    ApplicationKeyFilter::instance().watch(window, std::move(handler));
}

} // namespace gyrelune
