#include "windows/imageWindow.h"

#include "render/pictureFile.h"
#include "windows/keyPreview.h"
#include "windows/mainCommands.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

#include <algorithm>
#include <cstring>

namespace gyrelune {

ImageWindow::ImageWindow(MainCommands& main, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(main) {
    setWindowTitle(tr("Attraktor Kép"));
    setMouseTracking(true);
    setMinimumSize(smallestSide, smallestSide);
    setMaximumSize(largestSide, largestSide);
    createContextMenu();
    previewKeys(this, [this](int key) { handleKey(key); });
}

void ImageWindow::createContextMenu() {
    contextMenu_ = new QMenu(this);
    contextMenu_->addAction(tr("Színek"), this, [this] { main_.showColourWindow(); });
    contextMenu_->addAction(tr("Paraméterek"), this, [this] { main_.showParameterWindows(); });
    contextMenu_->addAction(tr("Felbontás"), this, [this] { main_.showResolutionDialog(); });
    contextMenu_->addAction(tr("Forgat"), this, [this] { main_.showRotationWindow(); });
    contextMenu_->addAction(tr("Kép mentése"), this, [this] { main_.savePicture(); });
    contextMenu_->addAction(tr("Főablak"), this, [this] { main_.showMainWindow(); });
}

QSize ImageWindow::pictureSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void ImageWindow::setClientSize(int width, int height) {
    resize(std::clamp(width, smallestSide, largestSide),
           std::clamp(height, smallestSide, largestSide));
}

void ImageWindow::setPictureSize(int width, int height) {
    const qreal ratio = devicePixelRatioF();
    const auto side = [ratio](int pixels) {
        return std::clamp(qRound(pixels / ratio), smallestSide, int(largestSide / ratio));
    };
    resize(side(width), side(height));
}

void ImageWindow::drawPicture(const PixelBuffer& picture) {
    drawPicture(imageView(picture));
}

void ImageWindow::drawPicture(const QImage& picture) {
    // Hand-offs come every 1000 steps, far more often than a screen refreshes,
    // and the render thread waits while the UI thread copies or paints: a
    // large picture is copied at most a frame at a time and leaves the render
    // thread at least three quarters of the time.
    if (paintPending_ && isVisible()) return;
    const qint64 interval = std::max<qint64>(copyIntervalMs, 4 * frameMs_);
    if (sinceCopy_.isValid() && sinceCopy_.elapsed() < interval) return;
    sinceCopy_.start();
    copyPicture(picture);
    copyMs_ = sinceCopy_.elapsed();
    paintPending_ = true;
    update();
}

void ImageWindow::copyPicture(const QImage& picture) {
    if (shown_.size() != picture.size() || shown_.format() != picture.format())
        shown_ = QImage(picture.size(), picture.format());
    // The render thread's picture must not be shared: its next write would copy it.
    const auto rowBytes = std::size_t(std::min(shown_.bytesPerLine(), picture.bytesPerLine()));
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(shown_.scanLine(y), picture.constScanLine(y), rowBytes);
    shown_.setDevicePixelRatio(devicePixelRatioF());
    ++copiesMade_;
}

void ImageWindow::setPictureReady() {
    main_.setPictureReady();
}

void ImageWindow::paintEvent(QPaintEvent*) {
    paintPending_ = false;
    if (shown_.isNull()) return;
    QElapsedTimer paint;
    paint.start();
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
    frameMs_ = copyMs_ + paint.elapsed();
}

void ImageWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    restartAtNewSize();
}

void ImageWindow::restartAtNewSize() {
    const QSize size = pictureSize();
    main_.renderCore().setClientSize(size.width(), size.height());
    main_.requestRestart();
}

bool ImageWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // A move to a screen of another pixel ratio changes the picture size.
    if (event->type() == QEvent::ScreenChangeInternal) {
        const QSize size = pictureSize();
        if (main_.renderCore().clientWidth() != size.width() ||
            main_.renderCore().clientHeight() != size.height())
            restartAtNewSize();
    }
    return handled;
}

void ImageWindow::mousePressEvent(QMouseEvent* event) {
    const bool moving =
        event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ControlModifier));
    if (drag_ != Drag::none || (!moving && event->button() != Qt::LeftButton)) return;
    drag_ = moving ? Drag::move : Drag::turn;
    dragStart_ = event->position();
    if (moving)
        startView_ = main_.viewPlace();
    else
        startAngles_ = main_.angles();
    main_.beginGesture();
}

void ImageWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    rememberMouse(at.x(), at.y());
    if (drag_ != Drag::none) followDrag(event->position(), event->modifiers());
}

void ImageWindow::followDrag(QPointF at, Qt::KeyboardModifiers modifiers) {
    const QPointF moved = at - dragStart_;
    if (drag_ == Drag::turn) {
        // The rotation window's timer draws the new angles.
        main_.turnTo(turnedAngles(startAngles_, moved.x(), moved.y(),
                                  modifiers.testFlag(Qt::ShiftModifier)));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    main_.showViewPlace(movedBy(startView_, moved.x() * ratio, moved.y() * ratio));
}

void ImageWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::none) return;
    const bool ends = drag_ == Drag::move
                          ? event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton
                          : event->button() == Qt::LeftButton;
    if (!ends) return;
    followDrag(event->position(), event->modifiers());
    drag_ = Drag::none;
    main_.endGesture();
}

void ImageWindow::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0 || drag_ != Drag::none) return;
    const qreal ratio = devicePixelRatioF();
    const QSize size = pictureSize();
    main_.beginGesture();
    main_.showViewPlace(zoomedAbout(main_.viewPlace(), notches, event->position().x() * ratio,
                                    event->position().y() * ratio, size.width(), size.height()));
    main_.endGesture();
}

void ImageWindow::rememberMouse(int x, int y) {
    lastMouseX_ = x;
    lastMouseY_ = y;
}

void ImageWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bringMainWindowToMouse();
}

void ImageWindow::bringMainWindowToMouse() {
    // The client coordinates serve directly as screen coordinates.
    main_.mainWindow()->move(lastMouseX_ + 10, lastMouseY_ + 10);
    main_.showMainWindow();
}

void ImageWindow::handleKey(int key) {
    if (key == vkMenu) main_.centre();
}

void ImageWindow::contextMenuEvent(QContextMenuEvent* event) {
    contextMenu_->popup(event->globalPos());
}

void ImageWindow::closeEvent(QCloseEvent* event) {
    // The main window may keep the program open (unsaved settings, Cancel).
    if (!main_.mainWindow()->close()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace gyrelune
