#include "windows/parameterWindow.h"

#include "windows/commandGuard.h"
#include "windows/keyPreview.h"
#include "windows/mainCommands.h"
#include "windows/toolControls.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>

namespace gyrelune {

namespace {

// The widest text a field usually shows: a value written with five decimals.
const QString widestValue = QStringLiteral("-0.50000");

FormulaLineEdit* createField(QWidget* parent, const char* text, int least) {
    auto* field = new FormulaLineEdit(parent);
    field->setText(QString::fromLatin1(text));
    fitLineEdit(field, {widestValue}, least);
    return field;
}

} // namespace

ParameterWindow::ParameterWindow(MainCommands& main)
    : QWidget(main.mainWindow(), Qt::Tool), main_(main) {
    createControls();
    move(initialLeft, initialTop);
    // Hidden windows are stacked by their heights, so the size is settled now.
    layout()->activate();
    previewKeys(this, [this](int key) { handleKey(key); });
}

void ParameterWindow::createControls() {
    QWidget* client = createFixedClient(this, QSize(clientWidth, clientHeight));
    nameLabel = createNameLabel(client, 16);
    valueEdit = createField(client, initialValueText, 57);
    minimumEdit = createField(client, initialMinimumText, 49);
    value_ = std::make_unique<FormulaLineEditField>(*valueEdit);
    minimum_ = std::make_unique<FormulaLineEditField>(*minimumEdit);
    slider = new KeySlider(parameterSliderMaximum, client);
    slider->setMinimumWidth(217);
    slider->setValue(initialSliderPosition);
    maximumEdit = createField(client, initialMaximumText, 41);
    maximum_ = std::make_unique<FormulaLineEditField>(*maximumEdit);

    auto* nameAndValue = new QHBoxLayout; // name and value
    nameAndValue->addWidget(nameLabel);
    nameAndValue->addWidget(valueEdit);
    auto* interval = new QHBoxLayout; // minimum, slider, maximum
    interval->addWidget(minimumEdit);
    interval->addWidget(slider, 1);
    interval->addWidget(maximumEdit);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(8, 8, 4, 6);
    row->setSpacing(7);
    row->addWidget(createBevel(client, nameAndValue));
    row->addWidget(createBevel(client, interval), 1);

    connect(slider, &QSlider::valueChanged, this, [this] { applySliderMove(); });
    slider->onKeyDown = [this](int key) { return handleSliderKey(key); };
    // A slider dragged with the mouse is one undo step, however many redraws it makes.
    connect(slider, &QSlider::sliderPressed, this, [this] { main_.beginGesture(); });
    connect(slider, &QSlider::sliderReleased, this, [this] { main_.endGesture(); });
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
    // A long name widens the window rather than being cut.
    fitLineEdit(nameLabel, {nameLabel->text()}, 49);
    layout()->activate();
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
