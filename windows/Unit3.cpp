#include "Unit3.h"

#include "colourEditing.h"
#include "commandGuard.h"
#include "toolControls.h"

#include <QColorDialog>
#include <QPushButton>

namespace gyrelune {

namespace {

std::optional<QColor> runColourDialog(QWidget* parent, QColor initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

PictureBox* createSwatch(QWidget* parent, int left, const QString& hint) {
    auto* swatch = new PictureBox(parent);
    swatch->setGeometry(left, 16, 41, 25);
    swatch->setToolTip(hint);
    return swatch;
}

QPushButton* createButton(QWidget* parent, const QString& text, int left, int width) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(left, 8, width, 33);
    return button;
}

} // namespace

TForm3::TForm3(MainCommands& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main), colourStops_(defaultColourStops()),
      colourDialog_(runColourDialog) {
    setWindowTitle(QStringLiteral("Színek"));
    setFixedSize(clientWidth, clientHeight);
    move(initialLeft, initialTop);
    createControls();
    repaintSwatches();
}

void TForm3::createControls() {
    createLabel(this, QStringLiteral("Háttér"), 8, 0, 13);
    Image4 = createSwatch(this, 8, QStringLiteral("Háttér színe"));
    createLabel(this, QStringLiteral("Zmin"), 72, 0, 13);
    Image1 = createSwatch(this, 72, QStringLiteral("Zminimum színe"));
    createLabel(this, QStringLiteral("Zmax"), 136, 0, 13);
    Image2 = createSwatch(this, 136, QStringLiteral("Zmaximum színe"));
    Image4->onDoubleClick = [this] { Image4DblClick(); };
    Image1->onDoubleClick = [this] { Image1DblClick(); };
    Image2->onDoubleClick = [this] { Image2DblClick(); };

    Button1 = createButton(this, QStringLiteral("Új"), 192, 33);
    Button1->setToolTip(QStringLiteral("Új köztes szín felvétele"));
    Button3 = createButton(this, QStringLiteral("Eldob"), 232, 33);
    Button3->setToolTip(QStringLiteral("Utolsó köztes elem elhagyása"));
    Button2 = createButton(this, QStringLiteral("OK"), 280, 41);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    createBevel(this, 8, 48, 313, 33);
    Image3 = new PictureBox(this);
    Image3->setGeometry(16, 56, 297, 17);
    // Its hint is never shown, so it only names the strip.
    Image3->setAccessibleName(QStringLiteral("Színek a Z teljes tartományán"));
}

std::int32_t TForm3::colourAtDepth(Real48 z) const {
    return gyrelune::colourAtDepth(z, colourStops_, Real48::fromExtended(main_.GetZMin()),
                                   Real48::fromExtended(main_.GetZMax()));
}

void TForm3::repaintSwatches() {
    const SwatchColours swatches = swatchColours(colourStops_, background_);
    Image1->fill(swatches.zMin);
    Image2->fill(swatches.zMax);
    Image4->fill(swatches.background);
    runCommand(this, [this] { paintStrip(); });
}

void TForm3::paintStrip() {
    QImage& strip = Image3->canvas();
    const int width = strip.width();
    const Real48 zMin = Real48::fromExtended(main_.GetZMin());
    const Real48 zMax = Real48::fromExtended(main_.GetZMax());
    for (int column = 0; column < width; ++column) {
        const Real48 z = stripDepth(column, width, zMin, zMax);
        const QRgb colour = toQColor(gyrelune::colourAtDepth(z, colourStops_, zMin, zMax)).rgb();
        for (int row = 0; row < strip.height(); ++row)
            strip.setPixel(column, row, colour);
    }
    Image3->update();
}

std::optional<std::int32_t> TForm3::chooseColour() {
    const std::optional<QColor> chosen = colourDialog_(this, dialogColour_);
    if (!chosen) return std::nullopt;
    dialogColour_ = *chosen;
    return fromQColor(*chosen);
}

void TForm3::Image1DblClick() {
    dialogColour_ = toQColor(swatchColours(colourStops_, background_).zMin);
    if (const auto colour = chooseColour()) {
        setZMinColour(colourStops_, *colour);
        repaintSwatches();
    }
    update();
}

void TForm3::Image2DblClick() {
    dialogColour_ = toQColor(swatchColours(colourStops_, background_).zMax);
    if (const auto colour = chooseColour()) {
        setZMaxColour(colourStops_, *colour);
        repaintSwatches();
    }
    update();
}

void TForm3::Image4DblClick() {
    if (const auto colour = chooseColour()) {
        background_ = *colour;
        repaintSwatches();
    }
}

void TForm3::Button1Click() {
    if (const auto colour = chooseColour()) {
        insertIntermediateColour(colourStops_, *colour);
        repaintSwatches();
    }
}

void TForm3::Button2Click() {
    main_.BitBtn1Click();
}

void TForm3::Button3Click() {
    if (dropIntermediateColour(colourStops_)) repaintSwatches();
}

} // namespace gyrelune
