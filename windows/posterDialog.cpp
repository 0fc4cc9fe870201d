#include "windows/posterDialog.h"

#include "windows/commandGuard.h"
#include "windows/fileDialogs.h"
#include "windows/toolControls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace gyrelune {
namespace {

QSpinBox* sizeBox(QWidget* parent, const QString& hint) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, posterLargestSide);
    box->setSuffix(PosterDialog::tr(" képpont"));
    box->setToolTip(hint);
    return box;
}

// "1 óra 5 perc", "3 perc 20 mp", "40 mp".
QString duration(double seconds) {
    const qint64 s = qint64(seconds + 0.5);
    if (s >= 3600) return PosterDialog::tr("%1 óra %2 perc").arg(s / 3600).arg(s % 3600 / 60);
    if (s >= 60) return PosterDialog::tr("%1 perc %2 mp").arg(s / 60).arg(s % 60);
    return PosterDialog::tr("%1 mp").arg(s);
}

} // namespace

PosterDialog::PosterDialog(QWidget* parent, PosterWork work)
    : QDialog(parent), work_(std::move(work)), elapsed_(new QElapsedTimer) {
    setWindowTitle(tr("Poszter mentése"));
    createControls();
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, [this] { showProgress(); });
}

PosterDialog::~PosterDialog() {
    delete elapsed_;
}

void PosterDialog::createControls() {
    presetBox = new QComboBox(this);
    presetBox->addItems({tr("az ablak mérete"), tr("1920 × 1080 (Full HD)"), tr("3840 × 2160 (4K)"),
                         tr("A4 fekvő, 300 dpi"), tr("A4 álló, 300 dpi"), tr("A3 fekvő, 300 dpi"),
                         tr("A3 álló, 300 dpi"), tr("egyéni")});
    presetBox->setToolTip(tr("a poszter mérete képpontban"));
    widthBox = sizeBox(this, tr("a poszter szélessége képpontban"));
    heightBox = sizeBox(this, tr("a poszter magassága képpontban"));
    supersampleBox = new QComboBox(this);
    supersampleBox->addItem(tr("nincs"));
    for (int s = 2; s <= posterLargestSupersample; ++s)
        supersampleBox->addItem(tr("%1 × %1 minta képpontonként").arg(s));
    supersampleBox->setCurrentIndex(1);
    supersampleBox->setToolTip(tr("túlmintavételezés: több minta egy képpontban, simább vonalak"));
    qualityBox = new QSpinBox(this);
    qualityBox->setRange(1, posterLargestQuality);
    qualityBox->setValue(100);
    qualityBox->setSuffix(tr(" pont/képpont"));
    qualityBox->setToolTip(
        tr("hány pontot számoljon képpontonként: több pont, finomabb árnyalatok"));
    lookBox = new QComboBox(this);
    lookBox->addItems({tr("az ablaké"), tr("logaritmikus")});
    lookBox->setToolTip(tr("az ablak árnyalása, vagy a sűrűség logaritmusa a sötét részekért"));
    fileEdit = new QLineEdit(this);
    fileEdit->setMinimumWidth(260);
    fileEdit->setToolTip(tr("*.png, *.jpg, *.tif vagy *.exr"));
    browseButton = new QPushButton(tr("Tallózás…"), this);
    progressBar = new QProgressBar(this);
    progressBar->setRange(0, 1000);
    progressBar->setValue(0);
    statusLabel = new QLabel(this);
    saveButton = new QPushButton(tr("Mentés"), this);
    saveButton->setDefault(true);
    cancelButton = new QPushButton(tr("Mégse"), this);

    auto* size = new QHBoxLayout;
    size->addWidget(widthBox);
    size->addWidget(new QLabel(QStringLiteral("×"), this));
    size->addWidget(heightBox);
    size->addStretch();
    auto* file = new QHBoxLayout;
    file->addWidget(fileEdit, 1);
    file->addWidget(browseButton);
    auto* form = new QFormLayout;
    form->addRow(tr("Méret:"), presetBox);
    form->addRow(QString(), size);
    form->addRow(tr("Élsimítás:"), supersampleBox);
    form->addRow(tr("Minőség:"), qualityBox);
    form->addRow(tr("Kinézet:"), lookBox);
    form->addRow(tr("Fájl:"), file);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(progressBar);
    column->addWidget(statusLabel);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    removeMaximiseButton(this);

    connect(presetBox, &QComboBox::activated, this, [this] { applyPreset(); });
    // A typed size is a size of one's own.
    for (QSpinBox* box : {widthBox, heightBox})
        connect(box, &QSpinBox::valueChanged, this, [this, box] {
            if (box->hasFocus()) presetBox->setCurrentIndex(int(PosterPreset::free));
        });
    connect(browseButton, &QPushButton::clicked, this, [this] { browse(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { start(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
}

void PosterDialog::showForWindow(PosterSize windowSize) {
    windowSize_ = windowSize;
    presetBox->setItemText(
        int(PosterPreset::window),
        tr("az ablak mérete (%1 × %2)").arg(windowSize.width).arg(windowSize.height));
    if (!rendering() && presetBox->currentIndex() == int(PosterPreset::window)) applyPreset();
    show();
    raise();
    activateWindow();
}

void PosterDialog::applyPreset() {
    const PosterSize typed{widthBox->value(), heightBox->value(), dotsPerInch_};
    const PosterSize size = presetSize(PosterPreset(presetBox->currentIndex()), windowSize_, typed);
    widthBox->setValue(size.width);
    heightBox->setValue(size.height);
    dotsPerInch_ = size.dotsPerInch;
}

PosterRequest PosterDialog::request() const {
    PosterRequest request;
    request.size = {widthBox->value(), heightBox->value(), dotsPerInch_};
    if (presetBox->currentIndex() == int(PosterPreset::free)) request.size.dotsPerInch = 0;
    request.supersample = supersampleBox->currentIndex() + 1;
    request.quality = qualityBox->value();
    request.look = lookBox->currentIndex() == 1 ? PosterLook::log : PosterLook::window;
    request.fileName = QFile::encodeName(fileEdit->text().trimmed()).toStdString();
    return request;
}

bool PosterDialog::rendering() const {
    return progressTimer_->isActive();
}

void PosterDialog::browse() {
    const QString name =
        askSaveFileName(this, {{tr("PNG képfájl (*.png)"), tr("JPG képfájl (*.jpg)"),
                                tr("TIFF képfájl (*.tif)"), tr("EXR HDR képfájl (*.exr)")},
                               QStringLiteral("png")});
    if (!name.isEmpty()) fileEdit->setText(QDir::toNativeSeparators(name));
}

QString PosterDialog::problemText(PosterProblem problem) const {
    switch (problem) {
    case PosterProblem::none:
        break;
    case PosterProblem::noFile:
        return tr("Adja meg a fájl nevét.");
    case PosterProblem::unknownFormat:
        return tr("A fájl neve .png, .jpg, .tif vagy .exr végű legyen.");
    case PosterProblem::badSize:
        return tr("A poszter oldala 1 és %1 képpont között lehet.").arg(posterLargestSide);
    case PosterProblem::tooWideForJpeg:
        return tr("JPG képben egy oldal legfeljebb 65500 képpont: válasszon PNG, TIFF vagy EXR "
                  "formát.");
    case PosterProblem::badSupersample:
    case PosterProblem::badQuality:
        return tr("Az élsimítás vagy a minőség értéke hibás.");
    case PosterProblem::tooMuchMemory:
        return tr("Ehhez a poszterhez %1 GB memória kellene, több, mint amennyi van: válasszon "
                  "kisebb méretet vagy kevesebb élsimítást.")
            .arg(double(posterMemory(request())) / (1 << 30), 0, 'f', 1);
    }
    return {};
}

void PosterDialog::start() {
    const PosterRequest chosen = request();
    if (const PosterProblem problem = posterProblem(chosen, physicalMemory());
        problem != PosterProblem::none) {
        showError(this, problemText(problem));
        return;
    }
    renderingFile_ = fileEdit->text().trimmed();
    setEditable(false);
    progressBar->setValue(0);
    statusLabel->setText(tr("Számolás…"));
    elapsed_->start();
    job_.start(work_(chosen));
    progressTimer_->start();
}

void PosterDialog::cancel() {
    if (!rendering()) {
        close();
        return;
    }
    job_.requestStop();
    statusLabel->setText(tr("Leállítás…"));
}

void PosterDialog::showProgress() {
    if (const std::optional<std::string> result = job_.takeResult()) {
        finish(*result);
        return;
    }
    const double done = job_.fraction(), seconds = elapsed_->elapsed() / 1000.0;
    progressBar->setValue(int(done * 1000));
    if (done > 0.01 && seconds > 1)
        statusLabel->setText(tr("még kb. %1").arg(duration(seconds * (1 - done) / done)));
}

void PosterDialog::finish(const std::string& result) {
    progressTimer_->stop();
    setEditable(true);
    if (result.empty()) {
        progressBar->setValue(progressBar->maximum());
        statusLabel->setText(
            tr("Elkészült (%1): %2").arg(duration(elapsed_->elapsed() / 1000.0), renderingFile_));
    } else if (job_.stopRequested()) {
        progressBar->setValue(0);
        statusLabel->setText(tr("Megszakítva; a fájl nem készült el."));
    } else {
        progressBar->setValue(0);
        statusLabel->clear();
        showError(this, tr("A poszter nem készült el:\n%1\n(%2)")
                            .arg(renderingFile_, QString::fromStdString(result)));
    }
}

void PosterDialog::setEditable(bool editable) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{presetBox, widthBox, heightBox, supersampleBox, qualityBox,
                                         lookBox, fileEdit, browseButton, saveButton})
        control->setEnabled(editable);
}

// Closing stops a render: nothing is left half-written.
void PosterDialog::closeEvent(QCloseEvent* event) {
    if (rendering()) {
        finish(job_.stopAndWait());
    }
    QDialog::closeEvent(event);
}

} // namespace gyrelune
