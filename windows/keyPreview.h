#pragma once
// Key preview: a window sees every key press before the focused control does,
// and the key still reaches the control afterwards.

#include "core/virtualKeys.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace gyrelune {

// The virtual key code of a key event; 0 for keys outside the list above.
int virtualKeyCode(const QKeyEvent& event);

class KeyPreview : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(int virtualKey)>;

    // Watches key presses for every widget of the window; lives as long as the window.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isPropagation(const QEvent* event, QWidget* receiver) const;

    QWidget* window_;
    Handler handler_;
    const QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};

} // namespace gyrelune
