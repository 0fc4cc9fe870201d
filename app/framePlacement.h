#pragma once
// Places a window by its frame and, when asked, gives it an outer size. The
// frame is known only once the window manager has framed the window, which may
// be long after it was shown: until then a guess stands for it, and the window
// is placed again as soon as its frame is known.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

namespace gyrelune {

class FramePlacement : public QObject {
  public:
    // An invalid outerSize keeps the window's size.
    FramePlacement(QWidget* window, QPoint framePosition, QSize outerSize = {});

    // Places the window as if its frame were `guess`, then shows it.
    void show(QMargins guess);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place(QMargins frame);
    void placeOnceFramed();

    QWidget* window_;
    QPoint framePosition_;
    QSize outerSize_;
    bool settled_ = false;
};

} // namespace gyrelune
