#pragma once
// Documents dropped from a file manager: a window takes a drag that carries one
// local .atr file and refuses every other (no drop cursor). Its own children
// that take drops (the formula fields take text) keep doing so for other drags.

#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace gyrelune {

using OpenDocument = std::function<void(const QString& fileName)>;

// The file a drag carries if it is exactly one local .atr file; else empty.
QString droppedDocument(const QMimeData* data);

// Makes the window and its drop-taking children open dropped documents. The
// open runs once the drop has returned, so that the dragging program is not
// kept waiting by an error box or the first Draw.
void acceptDocumentDrops(QWidget& window, OpenDocument open);

} // namespace gyrelune
