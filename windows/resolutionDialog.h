#pragma once
// ResolutionDialog, the resolution dialog: sets the image window's client size exactly.

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

    // The "Felbontás" command: the fields take the image window's client size, then show.
    void showForImageWindow();

    QLineEdit* widthEdit = nullptr;  // width in pixels
    QLineEdit* heightEdit = nullptr; // height in pixels
    QPushButton* okButton = nullptr;

  private:
    void applySize();

    ImageWindow* imageWindow_ = nullptr;
    QLabel* widthLabel = nullptr;
    QLabel* heightLabel = nullptr;
};

} // namespace gyrelune
