#include "windows/resolutionDialog.h"

#include "formula/leadingInteger.h"
#include "windows/commandGuard.h"
#include "windows/imageWindow.h"
#include "windows/toolControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gyrelune {

namespace {

QLineEdit* createSizeEdit(QWidget* parent, int least, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    fitLineEdit(edit, {QString::number(ImageWindow::largestSide)}, least);
    edit->setToolTip(hint);
    return edit;
}

} // namespace

ResolutionDialog::ResolutionDialog(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(tr("Felbontás"));
    QWidget* client = createFixedClient(this, QSize(273, 42));
    widthLabel = createLabel(client, QStringLiteral("X"));
    // The sizes are those of the picture, which on a scaled screen has more
    // pixels than the window has points.
    const QString least = QString::number(ImageWindow::smallestSide);
    widthEdit =
        createSizeEdit(client, 65, tr("A kép szélessége képpontban (legalább %1)").arg(least));
    heightLabel = createLabel(client, QStringLiteral("Y"));
    heightEdit =
        createSizeEdit(client, 57, tr("A kép magassága képpontban (legalább %1)").arg(least));
    okButton = new QPushButton(QStringLiteral("OK"), client);
    fitButton(okButton, {okButton->text()}, 75);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(8, 8, 6, 9);
    row->addWidget(widthLabel);
    row->addWidget(widthEdit);
    row->addSpacing(7);
    row->addWidget(heightLabel);
    row->addWidget(heightEdit);
    row->addSpacing(7);
    row->addWidget(okButton);
    connect(okButton, &QPushButton::clicked, this,
            [this] { runCommand(this, [this] { applySize(); }); });
    layout()->activate();
}

void ResolutionDialog::showForImageWindow() {
    showPictureSize();
    show();
    raise();
}

void ResolutionDialog::showPictureSize() {
    const QSize size = imageWindow_->pictureSize();
    widthEdit->setText(QString::number(size.width()));
    heightEdit->setText(QString::number(size.height()));
}

void ResolutionDialog::applySize() {
    imageWindow_->setPictureSize(leadingInteger(widthEdit->text().toStdString()),
                                 imageWindow_->pictureSize().height());
    imageWindow_->setPictureSize(imageWindow_->pictureSize().width(),
                                 leadingInteger(heightEdit->text().toStdString()));
    // A size beyond the limits shows as the one the picture got.
    showPictureSize();
}

} // namespace gyrelune
