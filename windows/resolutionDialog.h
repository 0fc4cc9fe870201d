#pragma once
// ResolutionDialog, the resolution dialog: sets the size of the picture, which is
// the image window's client size in device pixels.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gyrelune {

class ImageWindow;

class ResolutionDialog : public QWidget {
    Q_OBJECT
  public:
    explicit ResolutionDialog(QWidget* parent = nullptr);
    // The image window is made after this dialog.
    void setImageWindow(ImageWindow& imageWindow) { imageWindow_ = &imageWindow; }

    // The "Felbontás" command: the fields take the picture's size, then show.
    void showForImageWindow();

    QLineEdit* widthEdit = nullptr;  // picture width in device pixels
    QLineEdit* heightEdit = nullptr; // picture height in device pixels
    QPushButton* okButton = nullptr;

  private:
    void applySize();
    void showPictureSize();

    ImageWindow* imageWindow_ = nullptr;
    QLabel* widthLabel = nullptr;
    QLabel* heightLabel = nullptr;
};

} // namespace gyrelune
