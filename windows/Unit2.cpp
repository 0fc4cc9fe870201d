#include "Unit2.h"

#include "commandGuard.h"
#include "keyPreview.h"
#include "toolControls.h"

#include <QLineEdit>
#include <QTimer>

namespace gyrelune {

TForm2::TForm2(MainCommands& main, QWidget* parent) : QWidget(parent, Qt::Tool), main_(main) {
    setWindowTitle(QStringLiteral("Tengely körűli elforgatások"));
    setFixedSize(clientWidth, clientHeight);
    move(initialLeft, initialTop);
    createBevel(this, 8, 8, 281, 105);
    for (int row = 0; row < 3; ++row)
        createRow(row);
    // Tab passes over the X slider.
    TrackBar[0]->setFocusPolicy(Qt::ClickFocus);

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
    keyPreview_ = new KeyPreview(this, [this](int key) { FormKeyDown(key); });
}

void TForm2::createRow(int row) {
    const std::size_t i = std::size_t(row);
    const int top = 16 + 32 * row;
    static const char* const names[3] = {"X", "Y", "Z"};
    createLabel(this, QString::fromLatin1(names[i]), 16, top + 3, 13);

    TrackBar[i] = new KeySlider(angleSliderMaximum, this);
    TrackBar[i]->setGeometry(32, top, 193, 22);
    connect(TrackBar[i], &QSlider::valueChanged, this, [this, row] { TrackBarChange(row); });
    TrackBar[i]->onKeyDown = [this](int key) { return TrackBarKeyDown(key); };

    strFunct[i] = new TstrFunct(this);
    strFunct[i]->setText(QStringLiteral("0"));
    strFunct[i]->setGeometry(232, top, 41, 22);
    fields_[i] = std::make_unique<TstrFunctField>(*strFunct[i]);
    connect(strFunct[i], &QLineEdit::textChanged, this, [this, row] { strFunctChange(row); });
}

void TForm2::TrackBarChange(int row) {
    const std::size_t i = std::size_t(row);
    strFunct[i]->setText(QString::fromStdString(angleSliderText(TrackBar[i]->value())));
}

void TForm2::strFunctChange(int row) {
    const std::size_t i = std::size_t(row);
    // A text that does not compile leaves the slider where it is.
    runCommand(this, [this, i] {
        if (const auto angle = angleSliderTarget(fields_[i]->field()))
            TrackBar[i]->setValue(*angle);
    });
}

bool TForm2::TrackBarKeyDown(int key) {
    if (key != vkReturn) return false;
    main_.BitBtn1Click();
    return true;
}

void TForm2::FormKeyDown(int key) {
    if (key == vkMenu) main_.Button1Click();
}

void TForm2::Timer1Timer() {
    const std::array<std::string, 3> texts{fields_[0]->text(), fields_[1]->text(),
                                           fields_[2]->text()};
    watch_.tick(texts, main_.pictureReady(), [this] { main_.BitBtn1Click(); });
}

} // namespace gyrelune
