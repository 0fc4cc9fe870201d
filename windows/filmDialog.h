#pragma once
// "Fájl" > "Film mentése…": collects keyframes from the program's current
// settings and renders the film on a thread of its own while the windows go
// on; a progress bar and "Mégse" while it runs.

#include "core/filmKeyList.h"
#include "studio/film/filmOutput.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace gyrelune {

class FilmDialog : public QWidget {
    Q_OBJECT
  public:
    // What "Kulcskép hozzáadása" takes: the settings drawn now, a label and
    // the image window's client size (the keys' framing).
    struct Source {
        std::function<RenderSettings()> settings;
        std::function<std::string()> label;
        std::function<QSize()> windowSize;
    };
    FilmDialog(Source source, QWidget* parent = nullptr);
    ~FilmDialog() override; // stops a running film and waits for it

    void addKey();
    // Renders into fileName (.mp4, .webm or .gif); the dialog's "Mentés…" asks for it.
    void startFilm(const QString& fileName);
    void cancelFilm();
    bool running() const { return worker_.joinable(); }

    QListWidget* keyList() const { return list_; }
    QSpinBox* secondsBox() const { return seconds_; }
    QSpinBox* fpsBox() const { return fps_; }
    QSpinBox* widthBox() const { return width_; }
    QSpinBox* heightBox() const { return height_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* saveButton() const { return save_; }
    // Shows a message box; tests replace it.
    std::function<void(const QString&)> showMessage;
    // Points per frame; the tests make small films.
    std::uint64_t pointsPerFrame = 1000000;

  private:
    QWidget* createKeyPart();
    QWidget* createFilmPart();
    void refreshList();
    void moveKey(int step);
    void chooseFile();
    void poll();
    void finished();
    void setRunning(bool running);

    Source source_;
    FilmKeyList keys_;
    QListWidget* list_ = nullptr;
    QSpinBox *seconds_ = nullptr, *fps_ = nullptr, *width_ = nullptr, *height_ = nullptr,
             *quality_ = nullptr;
    QCheckBox* loop_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton *add_ = nullptr, *remove_ = nullptr, *up_ = nullptr, *down_ = nullptr,
                *save_ = nullptr, *cancel_ = nullptr;
    QTimer* pollTimer_ = nullptr;

    std::thread worker_;
    std::atomic<bool> stop_{false}, done_{false};
    std::atomic<int> framesDone_{0};
    std::atomic<double> share_{0};
    int frameCount_ = 0;
    std::mutex resultMutex_;
    std::string error_; // under resultMutex_; empty: no failure
    bool complete_ = false;
    QString target_;
};

} // namespace gyrelune
