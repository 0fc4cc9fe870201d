#include "windows/rotationWindow.h"

#include "windows/commandGuard.h"
#include "windows/keyPreview.h"
#include "windows/toolControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace gyrelune {

RotationWindow::RotationWindow(MainCommands& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main) {
    setWindowTitle(tr("Tengely körűli elforgatások"));
    QWidget* client = createFixedClient(this, QSize(clientWidth, clientHeight));
    auto* rows = new QGridLayout;
    rows->setContentsMargins(8, 8, 8, 8);
    rows->setColumnStretch(1, 1);
    for (int row = 0; row < 3; ++row)
        createRow(client, rows, row);
    auto* frame = new QVBoxLayout(client);
    frame->setContentsMargins(8, 8, 8, 9);
    frame->addWidget(createBevel(client, rows));
    // Tab passes over the X slider.
    angleSliders[0]->setFocusPolicy(Qt::ClickFocus);
    move(initialLeft, initialTop);
    layout()->activate();

    model_ = std::make_unique<RotationModel>(
        std::array<EditField*, 3>{fields_[0].get(), fields_[1].get(), fields_[2].get()});
    model_->onSliderMoved = [this](int row, int position) {
        angleSliders[std::size_t(row)]->setValue(position);
    };
    for (int row = 0; row < 3; ++row) {
        const std::size_t i = std::size_t(row);
        connect(angleSliders[i], &QSlider::valueChanged, this,
                [this, row](int position) { model_->setSliderPosition(row, position); });
        // A text that does not compile leaves the slider where it is.
        connect(angleEdits[i], &QLineEdit::textChanged, this,
                [this, row] { runCommand(this, [this, row] { model_->angleTextChanged(row); }); });
    }

    pollTimer = new QTimer(this);
    pollTimer->setInterval(50);
    connect(pollTimer, &QTimer::timeout, this, [this] { pollForRedraw(); });
    pollTimer->start();
    previewKeys(this, [this](int key) { handleKey(key); });
}

void RotationWindow::createRow(QWidget* parent, QGridLayout* rows, int row) {
    const std::size_t i = std::size_t(row);
    static const char* const names[3] = {"X", "Y", "Z"};
    rows->addWidget(createLabel(parent, QString::fromLatin1(names[i]), 13), row, 0);

    angleSliders[i] = new KeySlider(angleSliderMaximum, parent);
    angleSliders[i]->setMinimumWidth(193);
    angleSliders[i]->onKeyDown = [this](int key) { return handleSliderKey(key); };
    // A slider dragged with the mouse is one undo step, however many redraws it makes.
    connect(angleSliders[i], &QSlider::sliderPressed, this, [this] { main_.beginGesture(); });
    connect(angleSliders[i], &QSlider::sliderReleased, this, [this] { main_.endGesture(); });
    rows->addWidget(angleSliders[i], row, 1);

    angleEdits[i] = new FormulaLineEdit(parent);
    angleEdits[i]->setText(QStringLiteral("0"));
    fitLineEdit(angleEdits[i], {QStringLiteral("359.5")}, 41);
    rows->addWidget(angleEdits[i], row, 2);
    fields_[i] = std::make_unique<FormulaLineEditField>(*angleEdits[i]);
}

bool RotationWindow::handleSliderKey(int key) {
    if (key != vkReturn) return false;
    main_.draw();
    return true;
}

void RotationWindow::handleKey(int key) {
    if (key == vkMenu) main_.centre();
}

void RotationWindow::pollForRedraw() {
    model_->watch.tick(model_->angleTexts(), main_.pictureReady(), [this] { main_.draw(); });
}

} // namespace gyrelune
