#include "windows/aboutWindow.h"

#include "windows/readOnlyText.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>

namespace gyrelune {

QStringList AboutWindow::aboutLines() {
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

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Mamgról"));
    setFixedSize(217, 114);
    aboutText = createReadOnlyText(this, aboutLines());
    aboutText->setLineWrapMode(QPlainTextEdit::NoWrap);
    aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aboutText->document()->setDocumentMargin(2);
    aboutText->setGeometry(8, 8, 201, 113);
    fitFont();
}

// The small fixed window holds all eight lines, each unbroken, in whatever
// font the system offers: the largest pixel size up to 12 that fits.
void AboutWindow::fitFont() {
    const QStringList lines = aboutLines();
    const int room = aboutText->width() - 2 * int(aboutText->document()->documentMargin()) - 2;
    QFont font = aboutText->font();
    for (int pixels = 12; pixels >= 7; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= room && metrics.lineSpacing() * int(lines.size()) <= height() - 8) break;
    }
    aboutText->setFont(font);
}

} // namespace gyrelune
