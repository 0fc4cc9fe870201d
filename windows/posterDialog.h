#pragma once
// PosterDialog, "Poszter mentése…": the poster's size, supersampling, quality,
// look and file, and the render in the background with its progress bar. The
// windows stay usable meanwhile and the image window goes on drawing.

#include "core/backgroundJob.h"
#include "core/posterSettings.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QElapsedTimer;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace gyrelune {

class PosterDialog : public QDialog {
    Q_OBJECT
  public:
    // The work of one request, with the document as it is drawn when the render starts.
    using PosterWork = std::function<BackgroundJob::Work(const PosterRequest& request)>;

    PosterDialog(QWidget* parent, PosterWork work);
    ~PosterDialog() override;

    // Shows the dialog with the image window's size as the first preset.
    void showForWindow(PosterSize windowSize);
    PosterRequest request() const;
    bool rendering() const;

    QComboBox* presetBox = nullptr;
    QSpinBox* widthBox = nullptr;
    QSpinBox* heightBox = nullptr;
    QComboBox* supersampleBox = nullptr;
    QSpinBox* qualityBox = nullptr;
    QComboBox* lookBox = nullptr;
    QLineEdit* fileEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void applyPreset();
    void browse();
    void start();
    void cancel();
    void showProgress();
    void finish(const std::string& result);
    void setEditable(bool editable);
    QString problemText(PosterProblem problem) const;

    PosterWork work_;
    PosterSize windowSize_{576, 551, 0};
    double dotsPerInch_ = 0;
    BackgroundJob job_;
    QTimer* progressTimer_ = nullptr;
    QElapsedTimer* elapsed_ = nullptr;
    QString renderingFile_;
};

} // namespace gyrelune
