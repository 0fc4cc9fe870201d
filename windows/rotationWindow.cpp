#include "windows/rotationWindow.h"

#include "windows/commandGuard.h"
#include "windows/keyPreview.h"
#include "windows/toolControls.h"

#include <QLineEdit>
#include <QTimer>

namespace gyrelune {

RotationWindow::RotationWindow(MainCommands& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main) {
    setWindowTitle(QStringLiteral("Tengely körűli elforgatások"));
    setFixedSize(clientWidth, clientHeight);
    move(initialLeft, initialTop);
    createBevel(this, 8, 8, 281, 105);
    for (int row = 0; row < 3; ++row)
        createRow(row);
    // Tab passes over the X slider.
    angleSliders[0]->setFocusPolicy(Qt::ClickFocus);

    pollTimer = new QTimer(this);
    pollTimer->setInterval(50);
    connect(pollTimer, &QTimer::timeout, this, [this] { pollForRedraw(); });
    pollTimer->start();
    keyPreview_ = new KeyPreview(this, [this](int key) { handleKey(key); });
}

void RotationWindow::createRow(int row) {
    const std::size_t i = std::size_t(row);
    const int top = 16 + 32 * row;
    static const char* const names[3] = {"X", "Y", "Z"};
    createLabel(this, QString::fromLatin1(names[i]), 16, top + 3, 13);

    angleSliders[i] = new KeySlider(angleSliderMaximum, this);
    angleSliders[i]->setGeometry(32, top, 193, 22);
    connect(angleSliders[i], &QSlider::valueChanged, this, [this, row] { showSliderAngle(row); });
    angleSliders[i]->onKeyDown = [this](int key) { return handleSliderKey(key); };

    angleEdits[i] = new FormulaLineEdit(this);
    angleEdits[i]->setText(QStringLiteral("0"));
    angleEdits[i]->setGeometry(232, top, 41, 22);
    fields_[i] = std::make_unique<FormulaLineEditField>(*angleEdits[i]);
    connect(angleEdits[i], &QLineEdit::textChanged, this, [this, row] { moveSliderToText(row); });
}

void RotationWindow::showSliderAngle(int row) {
    const std::size_t i = std::size_t(row);
    angleEdits[i]->setText(QString::fromStdString(angleSliderText(angleSliders[i]->value())));
}

void RotationWindow::moveSliderToText(int row) {
    const std::size_t i = std::size_t(row);
    // A text that does not compile leaves the slider where it is.
    runCommand(this, [this, i] {
        if (const auto angle = angleSliderTarget(fields_[i]->field()))
            angleSliders[i]->setValue(*angle);
    });
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
    const std::array<std::string, 3> texts{fields_[0]->text(), fields_[1]->text(),
                                           fields_[2]->text()};
    watch_.tick(texts, main_.pictureReady(), [this] { main_.draw(); });
}

} // namespace gyrelune
