#include "windows/toolControls.h"

#include "windows/keyPreview.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

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

QFrame* createBevel(QWidget* parent, QLayout* controls) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    controls->setContentsMargins(7, 7, 7, 7);
    controls->setSpacing(7);
    bevel->setLayout(controls);
    return bevel;
}

QLabel* createLabel(QWidget* parent, const QString& text, int pixelSize) {
    auto* label = new QLabel(text, parent);
    if (pixelSize > 0) {
        QFont font = label->font();
        font.setPixelSize(pixelSize);
        label->setFont(font);
    }
    return label;
}

QLineEdit* createNameLabel(QWidget* parent, int pixelSize) {
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
    return line;
}

int lineEditWidthFor(const QLineEdit* edit, const QStringList& texts, int least) {
    const QFontMetrics metrics(edit->font());
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    // The line edit keeps two pixels beside its text on each side, and one for the cursor.
    const QMargins margins = edit->textMargins();
    const int inner = widest + 2 * 2 + 1 + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QSize size = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                       QSize(inner, metrics.height()), edit);
    return std::max(least, size.width());
}

void fitLineEdit(QLineEdit* edit, const QStringList& texts, int least) {
    edit->setFixedWidth(lineEditWidthFor(edit, texts, least));
}

// The style's own hint gives every button with a text at least 80 pixels,
// too wide for the small tool windows; this is the text's need.
void fitButton(QPushButton* button, const QStringList& texts, int least) {
    const QFontMetrics metrics(button->font());
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle* style = button->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    const int padding = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) + 4;
    int widest = least;
    for (const QString& text : texts)
        widest = std::max(widest,
                          metrics.size(Qt::TextShowMnemonic, text).width() + 2 * frame + padding);
    button->setFixedWidth(widest);
}

QWidget* createFixedClient(QWidget* window, QSize least) {
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* client = new QWidget(window);
    client->setMinimumSize(least);
    outer->addWidget(client);
    removeMaximiseButton(window);
    return client;
}

void removeMaximiseButton(QWidget* window, bool minimisable) {
    Qt::WindowFlags flags = window->windowFlags() & Qt::WindowType_Mask;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (minimisable) flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

} // namespace gyrelune
