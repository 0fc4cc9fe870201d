#pragma once
// Small controls the windows share: a slider whose window sees its keys
// first, a picture box (swatch or strip), a bevel frame and a fixed label.

#include <QImage>
#include <QSlider>
#include <QWidget>

#include <cstdint>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;

namespace gyrelune {

// A horizontal slider without tick marks. onKeyDown sees each key press
// (virtual key code) before the slider does; a key it takes does nothing else.
class KeySlider : public QSlider {
    Q_OBJECT
  public:
    KeySlider(int maximum, QWidget* parent);

    std::function<bool(int virtualKey)> onKeyDown;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A picture of its own size, painted as it stands; double-click reported.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);

    // The picture is made at the box's size; draw into it, then update().
    QImage& canvas();
    void fill(std::int32_t colour);

    std::function<void()> onDoubleClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage canvas_;
};

// 0x00BBGGRR <-> QColor.
QColor toQColor(std::int32_t colour);
std::int32_t fromQColor(const QColor& colour);

// A lowered frame drawn behind the controls it groups.
QFrame* createBevel(QWidget* parent, int left, int top, int width, int height);
// A label sized to its text; pixelSize 0 keeps the window's font.
QLabel* createLabel(QWidget* parent, const QString& text, int left, int top, int pixelSize = 0);
// A read-only line without a frame, in the window's own colour (name labels, the status line).
QLineEdit* createNameLabel(QWidget* parent, int left, int top, int width, int pixelSize);

} // namespace gyrelune
