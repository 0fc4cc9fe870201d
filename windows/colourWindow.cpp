#include "windows/colourWindow.h"

#include "core/colourEditing.h"
#include "windows/commandGuard.h"
#include "windows/toolControls.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace gyrelune {

namespace {

std::optional<QColor> runColourDialog(QWidget* parent, QColor initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

PictureBox* createSwatch(QWidget* parent, const QString& hint) {
    auto* swatch = new PictureBox(parent);
    swatch->setFixedSize(41, 25);
    swatch->setToolTip(hint);
    return swatch;
}

// A swatch under its name.
QLayout* labelled(QWidget* parent, const QString& name, PictureBox* swatch) {
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(createLabel(parent, name, 13));
    column->addWidget(swatch);
    return column;
}

QPushButton* createButton(QWidget* parent, const QString& text, int least) {
    auto* button = new QPushButton(text, parent);
    fitButton(button, {text}, least);
    button->setMinimumHeight(33);
    return button;
}

QLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(7);
    for (QPushButton* button : buttons)
        row->addWidget(button, 0, Qt::AlignBottom);
    return row;
}

} // namespace

ColourWindow::ColourWindow(MainCommands& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main), colourStops_(defaultColourStops()),
      colourDialog_(runColourDialog) {
    setWindowTitle(tr("Színek"));
    createControls();
    move(initialLeft, initialTop);
    layout()->activate();
    repaintSwatches();
}

void ColourWindow::createControls() {
    QWidget* client = createFixedClient(this, QSize(clientWidth, clientHeight));
    backgroundSwatch = createSwatch(client, tr("Háttér színe"));
    zMinSwatch = createSwatch(client, tr("Zminimum színe"));
    zMaxSwatch = createSwatch(client, tr("Zmaximum színe"));
    backgroundSwatch->onDoubleClick = [this] { chooseBackgroundColour(); };
    zMinSwatch->onDoubleClick = [this] { chooseZMinColour(); };
    zMaxSwatch->onDoubleClick = [this] { chooseZMaxColour(); };

    addStopButton = createButton(client, tr("Új"), 33);
    addStopButton->setToolTip(tr("Új köztes szín felvétele"));
    dropStopButton = createButton(client, tr("Eldob"), 33);
    dropStopButton->setToolTip(tr("Utolsó köztes elem elhagyása"));
    okButton = createButton(client, QStringLiteral("OK"), 41);
    connect(addStopButton, &QPushButton::clicked, this, [this] { addStop(); });
    connect(okButton, &QPushButton::clicked, this, [this] { applyColours(); });
    connect(dropStopButton, &QPushButton::clicked, this, [this] { dropStop(); });

    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    top->addLayout(labelled(client, tr("Háttér"), backgroundSwatch));
    top->addSpacing(23);
    top->addLayout(labelled(client, QStringLiteral("Zmin"), zMinSwatch));
    top->addSpacing(23);
    top->addLayout(labelled(client, QStringLiteral("Zmax"), zMaxSwatch));
    top->addStretch();
    top->addSpacing(15);
    top->addLayout(buttonRow({addStopButton, dropStopButton, okButton}));

    gradientStrip = new PictureBox(client);
    gradientStrip->setFixedSize(297, 17);
    // Its hint is never shown, so it only names the strip.
    gradientStrip->setAccessibleName(tr("Színek a Z teljes tartományán"));
    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(7, 7, 7, 7);
    strip->addWidget(gradientStrip, 0, Qt::AlignCenter);

    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(8, 0, 8, 8);
    column->setSpacing(7);
    column->addLayout(top);
    column->addWidget(createBevel(client, strip));
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
