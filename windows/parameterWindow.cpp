#include "windows/parameterWindow.h"

#include "windows/commandGuard.h"
#include "windows/keyPreview.h"
#include "windows/mainCommands.h"
#include "windows/toolControls.h"

#include <QLineEdit>
#include <QTimer>

namespace gyrelune {

namespace {

FormulaLineEdit* createField(QWidget* parent, const char* text, int left, int top, int width) {
    auto* field = new FormulaLineEdit(parent);
    field->setText(QString::fromLatin1(text));
    field->setGeometry(left, top, width, 22);
    return field;
}

} // namespace

ParameterWindow::ParameterWindow(MainCommands& main)
    : QWidget(main.mainWindow(), Qt::Tool), main_(main) {
    createControls();
    setFixedSize(clientWidth, clientHeight);
    move(initialLeft, initialTop);
    keyPreview_ = new KeyPreview(this, [this](int key) { handleKey(key); });
}

void ParameterWindow::createControls() {
    createBevel(this, 8, 8, 129, 42);   // Bevel2: name and value
    createBevel(this, 144, 8, 337, 41); // Bevel1: minimum, slider, maximum
    nameLabel = createNameLabel(this, 16, 16, 49, 16);
    valueEdit = createField(this, initialValueText, 72, 16, 57);
    minimumEdit = createField(this, initialMinimumText, 152, 16, 49);
    value_ = std::make_unique<FormulaLineEditField>(*valueEdit);
    minimum_ = std::make_unique<FormulaLineEditField>(*minimumEdit);

    slider = new KeySlider(parameterSliderMaximum, this);
    slider->setGeometry(208, 16, 217, 25);
    slider->setValue(initialSliderPosition);
    connect(slider, &QSlider::valueChanged, this, [this] { applySliderMove(); });
    slider->onKeyDown = [this](int key) { return handleSliderKey(key); };
    maximumEdit = createField(this, initialMaximumText, 432, 16, 41);
    maximum_ = std::make_unique<FormulaLineEditField>(*maximumEdit);

    connect(minimumEdit, &QLineEdit::textChanged, this,
            [this] { runCommand(this, [this] { minimumChanged(); }); });
    connect(maximumEdit, &QLineEdit::textChanged, this,
            [this] { runCommand(this, [this] { maximumChanged(); }); });
    connect(valueEdit, &QLineEdit::returnPressed, this, [this] { handleValueKey(vkReturn); });

    pollTimer = new QTimer(this);
    pollTimer->setInterval(50);
    connect(pollTimer, &QTimer::timeout, this, [this] { pollForRedraw(); });
    pollTimer->start();
}

int ParameterWindow::sliderPosition() const {
    return slider->value();
}

void ParameterWindow::setSliderPosition(int position) {
    slider->setValue(position);
}

void ParameterWindow::showCaption(const std::string& caption, const std::string& label) {
    setWindowTitle(QString::fromStdString(caption));
    nameLabel->setText(QString::fromStdString(label));
    nameLabel->setCursorPosition(0);
}

// The program closes a window only when it retires it; the user's close
// leaves the timer running.
void ParameterWindow::hideWindow() {
    hide();
    pollTimer->stop();
}

void ParameterWindow::showWindow() {
    pollTimer->start();
    show();
    raise();
}

int ParameterWindow::windowOuterHeight() const {
    const int outer = frameGeometry().height();
    if (outer > height()) return outer;
    // Not decorated yet (never shown): the main window's frame is the best guess.
    const QWidget* mainWindow = main_.mainWindow();
    return height() + mainWindow->frameGeometry().height() - mainWindow->height();
}

void ParameterWindow::applySliderMove() {
    runCommand(this, [this] { sliderChanged(); });
}

bool ParameterWindow::handleSliderKey(int key) {
    if (key != vkBack && key != vkShift) return false;
    runCommand(this, [this, key] { sliderKeyDown(key); });
    return true;
}

void ParameterWindow::handleValueKey(int key) {
    if (key == vkReturn && main_.pictureReady()) main_.draw();
}

void ParameterWindow::handleKey(int key) {
    if (key == vkMenu) main_.centre();
}

void ParameterWindow::pollForRedraw() {
    if (pollSlider(main_.pictureReady())) main_.draw();
}

} // namespace gyrelune
