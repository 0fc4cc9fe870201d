#pragma once
// TForm5, the resolution dialog: sets the image window's client size exactly.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gyrelune {

class TForm9;

class TForm5 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm5(QWidget* parent = nullptr);
    // The image window is made after this dialog.
    void setImageWindow(TForm9& imageWindow) { imageWindow_ = &imageWindow; }

    // The "Felbontás" command: the fields take the image window's client size, then show.
    void showForImageWindow();

    QLineEdit* Edit1 = nullptr; // width in pixels
    QLineEdit* Edit2 = nullptr; // height in pixels
    QPushButton* Button2 = nullptr;

  private:
    void Button2Click();

    TForm9* imageWindow_ = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace gyrelune
