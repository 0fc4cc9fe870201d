#include "windows/toolControls.h"

#include "windows/keyPreview.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace gyrelune {

KeySlider::KeySlider(int maximum, QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, maximum);
    setTickPosition(QSlider::NoTicks);
}

void KeySlider::keyPressEvent(QKeyEvent* event) {
    const int key = virtualKeyCode(*event);
    if (key && onKeyDown && onKeyDown(key)) {
        event->accept();
        return;
    }
    QSlider::keyPressEvent(event);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

QImage& PictureBox::canvas() {
    if (canvas_.size() != size()) {
        canvas_ = QImage(size(), QImage::Format_RGB32);
        canvas_.fill(Qt::black);
    }
    return canvas_;
}

void PictureBox::fill(std::int32_t colour) {
    canvas().fill(toQColor(colour));
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (onDoubleClick) onDoubleClick();
}

QColor toQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::int32_t fromQColor(const QColor& colour) {
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

QFrame* createBevel(QWidget* parent, int left, int top, int width, int height) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(left, top, width, height);
    bevel->lower();
    return bevel;
}

QLabel* createLabel(QWidget* parent, const QString& text, int left, int top, int pixelSize) {
    auto* label = new QLabel(text, parent);
    if (pixelSize > 0) {
        QFont font = label->font();
        font.setPixelSize(pixelSize);
        label->setFont(font);
    }
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLineEdit* createNameLabel(QWidget* parent, int left, int top, int width, int pixelSize) {
    auto* line = new QLineEdit(parent);
    line->setReadOnly(true);
    line->setFrame(false);
    line->setFocusPolicy(Qt::NoFocus);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, parent->palette().color(QPalette::Window));
    line->setPalette(palette);
    QFont font = line->font();
    font.setPixelSize(pixelSize);
    line->setFont(font);
    line->setGeometry(left, top, width, line->sizeHint().height());
    return line;
}

} // namespace gyrelune
