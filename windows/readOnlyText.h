#pragma once
// A read-only text without a frame, in its window's own colour.

#include <QStringList>

class QPlainTextEdit;
class QWidget;

namespace gyrelune {

QPlainTextEdit* createReadOnlyText(QWidget* parent, const QStringList& lines);

} // namespace gyrelune
