#include "windows/readOnlyText.h"

#include <QPlainTextEdit>

namespace gyrelune {

QPlainTextEdit* createReadOnlyText(QWidget* parent, const QStringList& lines) {
    auto* text = new QPlainTextEdit(parent);
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, parent->palette().color(QPalette::Window));
    text->setPalette(palette);
    text->setPlainText(lines.join(QLatin1Char('\n')));
    return text;
}

} // namespace gyrelune
