#include "windows/filmDialog.h"

#include "studio/film/filmJob.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace gyrelune {
namespace {

QSpinBox* spinBox(QWidget* parent, int low, int high, int value, const QString& suffix = {}) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

} // namespace

FilmDialog::FilmDialog(Source source, QWidget* parent)
    : QWidget(parent, Qt::Tool), source_(std::move(source)) {
    setWindowTitle(tr("Film mentése"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createKeyPart());
    layout->addWidget(createFilmPart());
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    status_ = new QLabel(this);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    save_ = new QPushButton(tr("Mentés…"), this);
    cancel_ = new QPushButton(tr("Mégse"), this);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(save_, &QPushButton::clicked, this, [this] { chooseFile(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (running())
            cancelFilm();
        else
            hide();
    });
    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(100);
    connect(pollTimer_, &QTimer::timeout, this, [this] { poll(); });
    showMessage = [this](const QString& text) {
        QMessageBox::information(this, tr("Film mentése"), text);
    };
    setRunning(false);
    refreshList();
}

FilmDialog::~FilmDialog() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

QWidget* FilmDialog::createKeyPart() {
    auto* part = new QWidget(this);
    auto* row = new QHBoxLayout(part);
    row->setContentsMargins(0, 0, 0, 0);
    list_ = new QListWidget(part);
    list_->setMinimumWidth(260);
    row->addWidget(list_, 1);
    auto* column = new QVBoxLayout;
    add_ = new QPushButton(tr("Kulcskép hozzáadása"), part);
    add_->setToolTip(tr("A mostani képletek, paraméterek, forgatás, nézet és színek"));
    remove_ = new QPushButton(tr("Törlés"), part);
    up_ = new QPushButton(tr("Feljebb"), part);
    down_ = new QPushButton(tr("Lejjebb"), part);
    for (QPushButton* button : {add_, remove_, up_, down_})
        column->addWidget(button);
    column->addStretch();
    row->addLayout(column);
    connect(add_, &QPushButton::clicked, this, [this] { addKey(); });
    connect(remove_, &QPushButton::clicked, this, [this] {
        keys_.remove(list_->currentRow());
        refreshList();
    });
    connect(up_, &QPushButton::clicked, this, [this] { moveKey(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveKey(1); });
    return part;
}

QWidget* FilmDialog::createFilmPart() {
    auto* part = new QWidget(this);
    auto* form = new QFormLayout(part);
    form->setContentsMargins(0, 0, 0, 0);
    seconds_ = spinBox(part, 1, 3600, 5, tr(" mp"));
    fps_ = spinBox(part, 1, 120, 30);
    width_ = spinBox(part, 16, 7680, 1280);
    height_ = spinBox(part, 16, 4320, 720);
    width_->setSingleStep(2);
    height_->setSingleStep(2);
    quality_ = spinBox(part, 0, 100, 80);
    loop_ = new QCheckBox(tr("Vissza az első kulcsképhez"), part);
    auto* size = new QHBoxLayout;
    size->addWidget(width_);
    size->addWidget(new QLabel(QStringLiteral("×"), part));
    size->addWidget(height_);
    size->addStretch();
    form->addRow(tr("Hossz"), seconds_);
    form->addRow(tr("Kép/mp"), fps_);
    form->addRow(tr("Méret"), size);
    form->addRow(tr("Minőség"), quality_);
    form->addRow(QString(), loop_);
    for (QSpinBox* box : {seconds_, fps_})
        connect(box, &QSpinBox::valueChanged, this, [this] { refreshList(); });
    connect(loop_, &QCheckBox::toggled, this, [this] { refreshList(); });
    return part;
}

void FilmDialog::addKey() {
    if (!keys_.add(source_.settings(), source_.label())) {
        showMessage(tr("A kulcsképeknek ugyanaz a három képlete kell legyen."));
        return;
    }
    refreshList();
    list_->setCurrentRow(keys_.size() - 1);
}

void FilmDialog::moveKey(int step) {
    const int row = list_->currentRow();
    if (step < 0 ? keys_.moveUp(row) : keys_.moveDown(row)) {
        refreshList();
        list_->setCurrentRow(row + step);
    }
}

void FilmDialog::refreshList() {
    const int row = list_->currentRow();
    list_->clear();
    const std::vector<double> times = keys_.keyTimes(seconds_->value(), loop_->isChecked());
    for (int k = 0; k < keys_.size(); ++k) {
        const std::string& label = keys_.entries()[std::size_t(k)].label;
        list_->addItem(tr("%1 mp  %2. kulcskép %3")
                           .arg(times[std::size_t(k)], 0, 'f', 2)
                           .arg(k + 1)
                           .arg(QString::fromStdString(label)));
    }
    list_->setCurrentRow(std::min(row, keys_.size() - 1));
    save_->setEnabled(keys_.size() > 0 && !running());
}

void FilmDialog::chooseFile() {
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Film mentése"), QString(),
        tr("MP4 videó (*.mp4);;WebM videó (*.webm);;GIF animáció (*.gif)"));
    if (!fileName.isEmpty()) startFilm(fileName);
}

void FilmDialog::startFilm(const QString& fileName) {
    const std::string target = QFile::encodeName(fileName).toStdString();
    const FilmFormat format = filmFormatOf(target);
    VideoSettings video{width_->value(), height_->value(), fps_->value(), quality_->value()};
    if (format == FilmFormat::frameFolder) {
        showMessage(tr("A film neve .mp4, .webm vagy .gif végű legyen."));
        return;
    }
    if (!filmSizeProblem(format, video.width, video.height).empty()) {
        showMessage(tr("MP4 és WebM filmhez páros szélesség és magasság kell."));
        return;
    }
    FilmPlan plan = keys_.plan(frameCountOf(seconds_->value(), fps_->value()), loop_->isChecked(),
                               FilmEase::smooth);
    if (keys_.size() == 0 || !filmPlanProblem(plan).empty()) return;
    FilmLook look;
    look.width = video.width;
    look.height = video.height;
    look.points = pointsPerFrame;
    look.windowWidth = std::max(1, source_.windowSize().width());
    look.windowHeight = std::max(1, source_.windowSize().height());
    frameCount_ = plan.frameCount;
    target_ = fileName;
    stop_ = false;
    done_ = false;
    framesDone_ = 0;
    share_ = 0;
    error_.clear();
    setRunning(true);
    worker_ = std::thread([this, plan = std::move(plan), look, video, target] {
        FilmRenderer renderer(plan, look);
        bool complete = false;
        std::string error;
        try {
            complete = runFilmJob(renderer, target, video, {0, plan.frameCount - 1}, &stop_,
                                  [this](int finished, double share) {
                                      framesDone_ = finished;
                                      share_ = share;
                                  });
        } catch (const std::exception& failure) {
            error = failure.what();
        }
        const std::lock_guard lock(resultMutex_);
        error_ = error;
        complete_ = complete;
        done_ = true;
    });
    pollTimer_->start();
}

void FilmDialog::cancelFilm() {
    stop_ = true;
    status_->setText(tr("Leállítás…"));
}

void FilmDialog::poll() {
    const double fraction = (framesDone_ + share_) / std::max(1, frameCount_);
    progress_->setValue(int(fraction * 1000));
    status_->setText(tr("%1 / %2 képkocka").arg(framesDone_.load()).arg(frameCount_));
    if (done_) finished();
}

void FilmDialog::finished() {
    pollTimer_->stop();
    worker_.join();
    setRunning(false);
    std::string error;
    bool complete;
    {
        const std::lock_guard lock(resultMutex_);
        error = error_;
        complete = complete_;
    }
    progress_->setValue(complete ? 1000 : 0);
    if (!error.empty())
        status_->setText(tr("Hiba: %1").arg(QString::fromStdString(error)));
    else if (complete)
        status_->setText(tr("Kész: %1").arg(QFileInfo(target_).fileName()));
    else
        status_->setText(tr("Megszakítva"));
}

void FilmDialog::setRunning(bool running) {
    for (QWidget* w : std::initializer_list<QWidget*>{add_, remove_, up_, down_, seconds_, fps_,
                                                      width_, height_, quality_, loop_})
        w->setEnabled(!running);
    save_->setEnabled(!running && keys_.size() > 0);
    cancel_->setText(running ? tr("Mégse") : tr("Bezárás"));
}

} // namespace gyrelune
