#include "Unit4.h"

#include "commandGuard.h"
#include "keyPreview.h"
#include "mainCommands.h"
#include "toolControls.h"

#include <QLineEdit>
#include <QTimer>

namespace gyrelune {

namespace {

TstrFunct* createField(QWidget* parent, const char* text, int left, int top, int width) {
    auto* field = new TstrFunct(parent);
    field->setText(QString::fromLatin1(text));
    field->setGeometry(left, top, width, 22);
    return field;
}

} // namespace

TForm4::TForm4(MainCommands& main) : QWidget(main.mainWindow(), Qt::Tool), main_(main) {
    createControls();
    setFixedSize(clientWidth, clientHeight);
    move(initialLeft, initialTop);
    keyPreview_ = new KeyPreview(this, [this](int key) { FormKeyDown(key); });
}

void TForm4::createControls() {
    createBevel(this, 8, 8, 129, 42);   // Bevel2: name and value
    createBevel(this, 144, 8, 337, 41); // Bevel1: minimum, slider, maximum
    Edit1 = createNameLabel(this, 16, 16, 49, 16);
    valueEdit = createField(this, initialValueText, 72, 16, 57);
    minimumEdit = createField(this, initialMinimumText, 152, 16, 49);
    value_ = std::make_unique<TstrFunctField>(*valueEdit);
    minimum_ = std::make_unique<TstrFunctField>(*minimumEdit);

    TrackBar1 = new KeySlider(parameterSliderMaximum, this);
    TrackBar1->setGeometry(208, 16, 217, 25);
    TrackBar1->setValue(initialSliderPosition);
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    TrackBar1->onKeyDown = [this](int key) { return TrackBar1KeyDown(key); };
    maximumEdit = createField(this, initialMaximumText, 432, 16, 41);
    maximum_ = std::make_unique<TstrFunctField>(*maximumEdit);

    connect(minimumEdit, &QLineEdit::textChanged, this,
            [this] { runCommand(this, [this] { minimumChanged(); }); });
    connect(maximumEdit, &QLineEdit::textChanged, this,
            [this] { runCommand(this, [this] { maximumChanged(); }); });
    connect(valueEdit, &QLineEdit::returnPressed, this, [this] { strFunct3KeyDown(vkReturn); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

int TForm4::sliderPosition() const {
    return TrackBar1->value();
}

void TForm4::setSliderPosition(int position) {
    TrackBar1->setValue(position);
}

void TForm4::showCaption(const std::string& caption, const std::string& label) {
    setWindowTitle(QString::fromStdString(caption));
    Edit1->setText(QString::fromStdString(label));
    Edit1->setCursorPosition(0);
}

// The program closes a window only when it retires it; the user's close
// leaves the timer running.
void TForm4::hideWindow() {
    hide();
    Timer1->stop();
}

void TForm4::showWindow() {
    Timer1->start();
    show();
    raise();
}

int TForm4::windowOuterHeight() const {
    const int outer = frameGeometry().height();
    if (outer > height()) return outer;
    // Not decorated yet (never shown): the main window's frame is the best guess.
    const QWidget* mainWindow = main_.mainWindow();
    return height() + mainWindow->frameGeometry().height() - mainWindow->height();
}

void TForm4::TrackBar1Change() {
    runCommand(this, [this] { sliderChanged(); });
}

bool TForm4::TrackBar1KeyDown(int key) {
    if (key != vkBack && key != vkShift) return false;
    runCommand(this, [this, key] { sliderKeyDown(key); });
    return true;
}

void TForm4::strFunct3KeyDown(int key) {
    if (key == vkReturn && main_.pictureReady()) main_.BitBtn1Click();
}

void TForm4::FormKeyDown(int key) {
    if (key == vkMenu) main_.Button1Click();
}

void TForm4::Timer1Timer() {
    if (pollSlider(main_.pictureReady())) main_.BitBtn1Click();
}

} // namespace gyrelune
