#include "windows/colourWindow.h"

#include "core/colourEditing.h"
#include "windows/commandGuard.h"
#include "windows/toolControls.h"

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

ColourWindow::ColourWindow(MainCommands& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main), colourStops_(defaultColourStops()),
      colourDialog_(runColourDialog) {
    setWindowTitle(QStringLiteral("Színek"));
    setFixedSize(clientWidth, clientHeight);
    move(initialLeft, initialTop);
    createControls();
    repaintSwatches();
}

void ColourWindow::createControls() {
    createLabel(this, QStringLiteral("Háttér"), 8, 0, 13);
    backgroundSwatch = createSwatch(this, 8, QStringLiteral("Háttér színe"));
    createLabel(this, QStringLiteral("Zmin"), 72, 0, 13);
    zMinSwatch = createSwatch(this, 72, QStringLiteral("Zminimum színe"));
    createLabel(this, QStringLiteral("Zmax"), 136, 0, 13);
    zMaxSwatch = createSwatch(this, 136, QStringLiteral("Zmaximum színe"));
    backgroundSwatch->onDoubleClick = [this] { chooseBackgroundColour(); };
    zMinSwatch->onDoubleClick = [this] { chooseZMinColour(); };
    zMaxSwatch->onDoubleClick = [this] { chooseZMaxColour(); };

    addStopButton = createButton(this, QStringLiteral("Új"), 192, 33);
    addStopButton->setToolTip(QStringLiteral("Új köztes szín felvétele"));
    dropStopButton = createButton(this, QStringLiteral("Eldob"), 232, 33);
    dropStopButton->setToolTip(QStringLiteral("Utolsó köztes elem elhagyása"));
    okButton = createButton(this, QStringLiteral("OK"), 280, 41);
    connect(addStopButton, &QPushButton::clicked, this, [this] { addStop(); });
    connect(okButton, &QPushButton::clicked, this, [this] { applyColours(); });
    connect(dropStopButton, &QPushButton::clicked, this, [this] { dropStop(); });

    createBevel(this, 8, 48, 313, 33);
    gradientStrip = new PictureBox(this);
    gradientStrip->setGeometry(16, 56, 297, 17);
    // Its hint is never shown, so it only names the strip.
    gradientStrip->setAccessibleName(QStringLiteral("Színek a Z teljes tartományán"));
}

std::int32_t ColourWindow::colourAtDepth(Real48 z) const {
    return gyrelune::colourAtDepth(z, colourStops_, Real48::fromExtended(main_.publishedZMin()),
                                   Real48::fromExtended(main_.publishedZMax()));
}

void ColourWindow::repaintSwatches() {
    const SwatchColours swatches = swatchColours(colourStops_, background_);
    zMinSwatch->fill(swatches.zMin);
    zMaxSwatch->fill(swatches.zMax);
    backgroundSwatch->fill(swatches.background);
    runCommand(this, [this] { paintStrip(); });
}

void ColourWindow::paintStrip() {
    QImage& strip = gradientStrip->canvas();
    const int width = strip.width();
    const Real48 zMin = Real48::fromExtended(main_.publishedZMin());
    const Real48 zMax = Real48::fromExtended(main_.publishedZMax());
    for (int column = 0; column < width; ++column) {
        const Real48 z = stripDepth(column, width, zMin, zMax);
        const QRgb colour = toQColor(gyrelune::colourAtDepth(z, colourStops_, zMin, zMax)).rgb();
        for (int row = 0; row < strip.height(); ++row)
            strip.setPixel(column, row, colour);
    }
    gradientStrip->update();
}

std::optional<std::int32_t> ColourWindow::chooseColour() {
    const std::optional<QColor> chosen = colourDialog_(this, dialogColour_);
    if (!chosen) return std::nullopt;
    dialogColour_ = *chosen;
    return fromQColor(*chosen);
}

void ColourWindow::chooseZMinColour() {
    dialogColour_ = toQColor(swatchColours(colourStops_, background_).zMin);
    if (const auto colour = chooseColour()) {
        setZMinColour(colourStops_, *colour);
        repaintSwatches();
    }
    update();
}

void ColourWindow::chooseZMaxColour() {
    dialogColour_ = toQColor(swatchColours(colourStops_, background_).zMax);
    if (const auto colour = chooseColour()) {
        setZMaxColour(colourStops_, *colour);
        repaintSwatches();
    }
    update();
}

void ColourWindow::chooseBackgroundColour() {
    if (const auto colour = chooseColour()) {
        background_ = *colour;
        repaintSwatches();
    }
}

void ColourWindow::addStop() {
    if (const auto colour = chooseColour()) {
        insertIntermediateColour(colourStops_, *colour);
        repaintSwatches();
    }
}

void ColourWindow::applyColours() {
    main_.draw();
}

void ColourWindow::dropStop() {
    if (dropIntermediateColour(colourStops_)) repaintSwatches();
}

} // namespace gyrelune
