#pragma once
// ImageWindow, the image window: shows the render thread's picture, which is drawn
// at the window's client size in device pixels, so it stays sharp on HiDPI
// screens. It is the picture sink of the hand-off.

#include "core/viewGesture.h"
#include "render/renderCore.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <array>

class QMenu;

namespace gyrelune {

class MainCommands;

class ImageWindow : public QWidget, public PictureSink {
    Q_OBJECT
  public:
    explicit ImageWindow(MainCommands& main, QWidget* parent = nullptr);

    // The picture size that matches the client area: client size x device pixel ratio.
    QSize pictureSize() const;
    // Sets the client size, kept within smallestSide..largestSide; each change
    // restarts the drawing.
    void setClientSize(int width, int height);
    // Sets the picture size in device pixels (the resolution dialog): the
    // nearest client size the screen's pixel ratio allows, within the limits.
    void setPictureSize(int width, int height);
    // A window smaller than this can hardly be grabbed and resized again.
    static constexpr int smallestSide = 32;
    // Beyond this the picture and its accumulators would take gigabytes.
    static constexpr int largestSide = 4096;

    // PictureSink, on the UI thread while the render thread waits.
    void drawPicture(const PixelBuffer& picture) override;
    void setPictureReady() override;
    // The same for a picture in a QImage of Format_BGR888.
    void drawPicture(const QImage& picture);

    const QImage& shownPicture() const { return shown_; }
    int copiesMade() const { return copiesMade_; }
    int lastMouseX() const { return lastMouseX_; }
    int lastMouseY() const { return lastMouseY_; }
    QMenu* contextMenu() const { return contextMenu_; }

    // Copies a hand-off to the screen only after this many ms (the display
    // rate), and only once the last copy was painted; a picture whose copy and
    // paint take long waits longer still (see drawPicture).
    static constexpr int copyIntervalMs = 16;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void restartAtNewSize();
    void rememberMouse(int x, int y);
    void bringMainWindowToMouse();
    void handleKey(int key);
    void createContextMenu();
    void copyPicture(const QImage& picture);
    void followDrag(QPointF at, Qt::KeyboardModifiers modifiers);

    // A drag on the picture: turning the figure, or moving its centre.
    enum class Drag { none, turn, move };
    Drag drag_ = Drag::none;
    QPointF dragStart_;
    std::array<int, 3> startAngles_{};
    ViewPlace startView_;

    MainCommands& main_;
    QMenu* contextMenu_ = nullptr;
    int lastMouseX_ = 0, lastMouseY_ = 0;
    QImage shown_;
    QElapsedTimer sinceCopy_;
    int copiesMade_ = 0;
    bool paintPending_ = false;
    qint64 copyMs_ = 0, frameMs_ = 0; // the last copy, and the last copy and paint
};

} // namespace gyrelune
