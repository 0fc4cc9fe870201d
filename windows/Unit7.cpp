#include "Unit7.h"

#include "readOnlyText.h"

#include <QPlainTextEdit>

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
    QFont font = Memo1->font();
    font.setPixelSize(11); // eight lines fit the small window
    Memo1->setFont(font);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setGeometry(8, 8, 201, 113);
}

} // namespace gyrelune
