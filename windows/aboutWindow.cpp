#include "windows/aboutWindow.h"

#include "core/version.h"
#include "windows/toolControls.h"

#include <QLabel>
#include <QVBoxLayout>

namespace gyrelune {

QStringList AboutWindow::aboutLines() {
    return {
        QStringLiteral("Gyrelune v " GYRELUNE_VERSION " "),
        QString(),
        tr("attraktor fraktál  szerkesztő alkalmazás"),
        QString(),
        tr("Fejlesztő: Gyrelune csapat"),
        QStringLiteral("gyrelune@example.org"),
        QString(),
        tr("Utolsó fejlesztés: 2007.05.19"),
    };
}

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Mamgról"));
    QWidget* client = createFixedClient(this, QSize(217, 114));
    aboutText = new QLabel(aboutLines().join(QLatin1Char('\n')), client);
    aboutText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    aboutText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(10, 10, 8, 8);
    layout->addWidget(aboutText);
    this->layout()->activate();
}

} // namespace gyrelune
