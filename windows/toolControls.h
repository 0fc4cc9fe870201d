#pragma once
// Small controls the windows share: a slider whose window sees its keys
// first, a picture box (swatch or strip), a bevel frame, labels, and the
// fixed-size window that takes the size of its layout.

#include <QImage>
#include <QSize>
#include <QSlider>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>

class QFrame;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

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

// A lowered frame that groups the controls of the layout it is given.
QFrame* createBevel(QWidget* parent, QLayout* controls);
// A label sized to its text; pixelSize 0 keeps the window's font.
QLabel* createLabel(QWidget* parent, const QString& text, int pixelSize = 0);
// A read-only line without a frame, in the window's own colour (name labels, the status line).
QLineEdit* createNameLabel(QWidget* parent, int pixelSize);

// The width a line edit needs to show each of these texts whole, at least `least`.
int lineEditWidthFor(const QLineEdit* edit, const QStringList& texts, int least = 0);
// Gives a line edit (a button) the width that shows each text whole.
void fitLineEdit(QLineEdit* edit, const QStringList& texts, int least = 0);
void fitButton(QPushButton* button, const QStringList& texts, int least = 0);

// A window that cannot be resized: its controls go into the returned client,
// whose layout decides the window's size at the current font; `least` is the
// smallest client size. The window offers no maximise button.
QWidget* createFixedClient(QWidget* window, QSize least);
// Title, close (and minimise) buttons only: what a window of fixed size can offer.
void removeMaximiseButton(QWidget* window, bool minimisable = false);

} // namespace gyrelune
