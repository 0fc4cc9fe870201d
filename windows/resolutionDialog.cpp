#include "windows/resolutionDialog.h"

#include "formula/leadingInteger.h"
#include "windows/commandGuard.h"
#include "windows/imageWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gyrelune {

ResolutionDialog::ResolutionDialog(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("Felbontás"));
    setFixedSize(273, 42);
    widthLabel = new QLabel(QStringLiteral("X"), this);
    widthLabel->move(8, 12);
    widthEdit = new QLineEdit(this);
    widthEdit->setGeometry(24, 8, 65, 25);
    heightLabel = new QLabel(QStringLiteral("Y"), this);
    heightLabel->move(104, 12);
    heightEdit = new QLineEdit(this);
    heightEdit->setGeometry(120, 8, 57, 25);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setGeometry(192, 8, 75, 25);
    connect(okButton, &QPushButton::clicked, this,
            [this] { runCommand(this, [this] { applySize(); }); });
}

void ResolutionDialog::showForImageWindow() {
    widthEdit->setText(QString::number(imageWindow_->width()));
    heightEdit->setText(QString::number(imageWindow_->height()));
    show();
    raise();
}

void ResolutionDialog::applySize() {
    imageWindow_->setClientSize(leadingInteger(widthEdit->text().toStdString()),
                                imageWindow_->height());
    imageWindow_->setClientSize(imageWindow_->width(),
                                leadingInteger(heightEdit->text().toStdString()));
}

} // namespace gyrelune
