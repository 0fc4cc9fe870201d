#pragma once
// Key preview: a window sees every key press before the focused control does,
// and the key still reaches the control afterwards. One filter on the
// application serves every window.

#include "core/virtualKeys.h"

#include <functional>

class QKeyEvent;
class QWidget;

namespace gyrelune {

// The virtual key code of a key event; 0 for keys outside the list above.
int virtualKeyCode(const QKeyEvent& event);

using KeyHandler = std::function<void(int virtualKey)>;
// From now until the window goes, the handler sees the virtual key code of
// each key pressed in any of the window's widgets, once per press.
void previewKeys(QWidget* window, KeyHandler handler);

} // namespace gyrelune
