#include "Unit9.h"

#include "keyPreview.h"
#include "mainCommands.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstring>

namespace gyrelune {

TForm9::TForm9(MainCommands& main, QWidget* parent) : QWidget(parent, Qt::Window), main_(main) {
    setWindowTitle(QStringLiteral("Attraktor Kép"));
    setMouseTracking(true);
    setMaximumSize(largestSide, largestSide);
    createPopupMenu();
    keyPreview_ = new KeyPreview(this, [this](int key) { FormKeyDown(key); });
}

void TForm9::createPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->addAction(QStringLiteral("Színek"), this, [this] { main_.Sznezs1Click(); });
    PopupMenu1->addAction(QStringLiteral("Paraméterek"), this,
                          [this] { main_.Konstansok1Click(); });
    PopupMenu1->addAction(QStringLiteral("Felbontás"), this, [this] { main_.N3Dbellts1Click(); });
    PopupMenu1->addAction(QStringLiteral("Forgat"), this, [this] { main_.Button3Click(); });
    PopupMenu1->addAction(QStringLiteral("Kép mentése"), this, [this] { main_.Bezrs1Click(); });
    PopupMenu1->addAction(QStringLiteral("Főablak"), this, [this] { main_.showMainWindow(); });
}

QSize TForm9::pictureSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void TForm9::setClientSize(int width, int height) {
    resize(std::clamp(width, 1, largestSide), std::clamp(height, 1, largestSide));
}

void TForm9::drawPicture(const QImage& picture) {
    // Hand-offs come every 1000 steps, far more often than a screen refreshes.
    if (sinceCopy_.isValid() && sinceCopy_.elapsed() < copyIntervalMs) return;
    sinceCopy_.start();
    copyPicture(picture);
    update();
}

void TForm9::copyPicture(const QImage& picture) {
    if (shown_.size() != picture.size() || shown_.format() != picture.format())
        shown_ = QImage(picture.size(), picture.format());
    // The render thread's picture must not be shared: its next write would copy it.
    const auto rowBytes = std::size_t(std::min(shown_.bytesPerLine(), picture.bytesPerLine()));
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(shown_.scanLine(y), picture.constScanLine(y), rowBytes);
    shown_.setDevicePixelRatio(devicePixelRatioF());
    ++copiesMade_;
}

void TForm9::setPictureReady() {
    main_.setPictureReady();
}

void TForm9::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}

void TForm9::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm9::FormResize() {
    const QSize size = pictureSize();
    main_.renderCore().setClientSize(size.width(), size.height());
    main_.RequestRestart();
}

bool TForm9::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // A move to a screen of another pixel ratio changes the picture size.
    if (event->type() == QEvent::ScreenChangeInternal) {
        const QSize size = pictureSize();
        if (main_.renderCore().clientWidth() != size.width() ||
            main_.renderCore().clientHeight() != size.height())
            FormResize();
    }
    return handled;
}

void TForm9::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    FormMouseMove(at.x(), at.y());
}

void TForm9::FormMouseMove(int x, int y) {
    lastMouseX_ = x;
    lastMouseY_ = y;
}

void TForm9::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FormDblClick();
}

void TForm9::FormDblClick() {
    // The client coordinates serve directly as screen coordinates.
    main_.mainWindow()->move(lastMouseX_ + 10, lastMouseY_ + 10);
    main_.showMainWindow();
}

void TForm9::FormKeyDown(int key) {
    if (key == vkMenu) main_.Button1Click();
}

void TForm9::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
}

void TForm9::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    FormClose();
}

void TForm9::FormClose() {
    main_.mainWindow()->close();
}

} // namespace gyrelune
