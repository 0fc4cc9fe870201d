#include "Unit7.h"

#include "readOnlyText.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>

namespace gyrelune {

QStringList TForm7::aboutLines() {
    return {
        QStringLiteral("Gyrelune v 1.0b "),
        QString(),
        QStringLiteral("attraktor fraktál  szerkesztő alkalmazás"),
        QString(),
        QStringLiteral("Fejlesztő: Gyrelune csapat"),
        QStringLiteral("gyrelune@example.org"),
        QString(),
        QStringLiteral("Utolsó fejlesztés: 2007.05.19"),
    };
}

TForm7::TForm7(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Mamgról"));
    setFixedSize(217, 114);
    Memo1 = createReadOnlyText(this, aboutLines());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(2);
    Memo1->setGeometry(8, 8, 201, 113);
    fitFont();
}

// The small fixed window holds all eight lines, each unbroken, in whatever
// font the system offers: the largest pixel size up to 12 that fits.
void TForm7::fitFont() {
    const QStringList lines = aboutLines();
    const int room = Memo1->width() - 2 * int(Memo1->document()->documentMargin()) - 2;
    QFont font = Memo1->font();
    for (int pixels = 12; pixels >= 7; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= room && metrics.lineSpacing() * int(lines.size()) <= height() - 8) break;
    }
    Memo1->setFont(font);
}

} // namespace gyrelune
