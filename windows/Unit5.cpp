#include "Unit5.h"

#include "Unit9.h"
#include "commandGuard.h"
#include "leadingInteger.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gyrelune {

TForm5::TForm5(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("Felbontás"));
    setFixedSize(273, 42);
    Label1 = new QLabel(QStringLiteral("X"), this);
    Label1->move(8, 12);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(24, 8, 65, 25);
    Label2 = new QLabel(QStringLiteral("Y"), this);
    Label2->move(104, 12);
    Edit2 = new QLineEdit(this);
    Edit2->setGeometry(120, 8, 57, 25);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setGeometry(192, 8, 75, 25);
    connect(Button2, &QPushButton::clicked, this,
            [this] { runCommand(this, [this] { Button2Click(); }); });
}

void TForm5::showForImageWindow() {
    Edit1->setText(QString::number(imageWindow_->width()));
    Edit2->setText(QString::number(imageWindow_->height()));
    show();
    raise();
}

void TForm5::Button2Click() {
    imageWindow_->setClientSize(leadingInteger(Edit1->text().toStdString()),
                                imageWindow_->height());
    imageWindow_->setClientSize(imageWindow_->width(), leadingInteger(Edit2->text().toStdString()));
}

} // namespace gyrelune
