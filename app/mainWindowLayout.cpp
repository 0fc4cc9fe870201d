// The main window's controls and menu.

#include "app/mainWindow.h"

#include "formula/widget/formulaLineEdit.h"
#include "windows/toolControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace gyrelune {

namespace {

// "X " "new" ":=": the coordinate with "new" set small beside it.
QLayout* formulaLabel(QWidget* parent, const QString& coordinate) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(createLabel(parent, coordinate, 16), 0, Qt::AlignTop);
    row->addWidget(createLabel(parent, QStringLiteral("new"), 9), 0, Qt::AlignBottom);
    row->addSpacing(2);
    row->addWidget(createLabel(parent, QStringLiteral(":="), 14), 0, Qt::AlignVCenter);
    row->addStretch();
    return row;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& hint) {
    auto* result = new QPushButton(text, parent);
    result->setToolTip(hint);
    fitButton(result, {text}, 75);
    return result;
}

// A status line with ranges as wide as a figure usually has.
QString widestStatusLine() {
    const QString axis = QStringLiteral("%1 tartomány: [-10.000 , 10.000]");
    return QString(17, QLatin1Char(' ')) + axis.arg(QLatin1Char('X')) + QString(6, ' ') +
           axis.arg(QLatin1Char('Y')) + QString(6, ' ') + axis.arg(QLatin1Char('Z'));
}

// Formulas on the left, one row each.
void addFormulaRows(QWidget* client, QGridLayout* grid, FormulaLineEdit* const* formulas) {
    const QString coordinates[3] = {QStringLiteral("X "), QStringLiteral("Y"), QStringLiteral("Z")};
    for (int row = 0; row < 3; ++row) {
        fitLineEdit(formulas[row], {formulas[row]->text()}, 320);
        grid->addLayout(formulaLabel(client, coordinates[row]), row, 0);
        grid->addWidget(formulas[row], row, 1);
    }
}

// View settings on the right: zoom, centre X and Y, gain.
void addNumberRows(QWidget* client, QGridLayout* grid, FormulaLineEdit* const* numbers) {
    const QString names[4] = {QStringLiteral("Nagyítás"), QStringLiteral("Közép X"),
                              QStringLiteral("Y"), QStringLiteral("Fényerő:")};
    const QString hints[4] = {
        QStringLiteral("Nagyítási szorzó"), QStringLiteral("A kép közepén ábrázolt X érték"),
        QStringLiteral("a kép közepén ábrázolt Y érték"),
        QStringLiteral("Milyen szinten győzze meg magát egy pont attraktorságáról :)")};
    for (int row = 0; row < 4; ++row) {
        // Centre writes the zoom with five decimals and the centres with three.
        fitLineEdit(numbers[row], {QStringLiteral("-1000.00000")}, 97);
        numbers[row]->setToolTip(hints[row]);
        const Qt::Alignment align = row == 2 ? Qt::AlignRight : Qt::AlignLeft;
        grid->addWidget(createLabel(client, names[row]), row, 2, align | Qt::AlignVCenter);
        grid->addWidget(numbers[row], row, 3);
    }
}

} // namespace

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    client->setMinimumSize(571, 148);
    setCentralWidget(client);
    // Single border: the window takes the size its texts need, and keeps it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    removeMaximiseButton(this, true);

    const char* const texts[7] = {MainWindowDefaults::formulaX, MainWindowDefaults::formulaY,
                                  MainWindowDefaults::formulaZ, MainWindowDefaults::zoom,
                                  MainWindowDefaults::centreX,  MainWindowDefaults::centreY,
                                  MainWindowDefaults::gain};
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new FormulaLineEdit(client);
        edits_[i]->setText(QString::fromLatin1(texts[i]));
        fields_[i] = std::make_unique<FormulaLineEditField>(*edits_[i]);
    }
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(8, 8, 8, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    addFormulaRows(client, grid, &edits_[std::size_t(MainField::formulaX)]);
    addNumberRows(client, grid, &edits_[std::size_t(MainField::zoom)]);
    grid->addLayout(createButtons(client), 3, 1);

    // The status line: read-only, borderless, in the window's colour.
    statusLine = createNameLabel(client, 10);
    fitLineEdit(statusLine, {widestStatusLine()}, 553);
    grid->addWidget(statusLine, 4, 0, 1, 4);
    createTimers();
}

QLayout* MainWindow::createButtons(QWidget* client) {
    drawButton = button(client, QStringLiteral("Rajzol"),
                        QStringLiteral("adatok bevitele, rajzolás elindítása"));
    centreButton = button(client, QStringLiteral("Középre"),
                          QStringLiteral("A kép közepére hozza az attraktort"));
    stopButton = button(client, QStringLiteral("Stop"), QStringLiteral("rajzolás leáll/újraindít"));
    fitButton(stopButton, {QStringLiteral("Stop"), QStringLiteral("Folytat")}, 75);
    rotateButton = button(client, QStringLiteral("Forgat"),
                          QStringLiteral("Attraktor forgató ablak előhívása"));
    connect(drawButton, &QPushButton::clicked, this, [this] { draw(); });
    connect(centreButton, &QPushButton::clicked, this, [this] { centre(); });
    connect(stopButton, &QPushButton::clicked, this, [this] { toggleStop(); });
    connect(rotateButton, &QPushButton::clicked, this, [this] { showRotationWindow(); });
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {drawButton, centreButton, stopButton, rotateButton})
        buttons->addWidget(b);
    buttons->addStretch();
    return buttons;
}

void MainWindow::createTimers() {
    pointsPerSecondTimer = new QTimer(this);
    pointsPerSecondTimer->setInterval(1000);
    connect(pointsPerSecondTimer, &QTimer::timeout, this, [this] { showPointsPerSecond(); });
    statusLineTimer = new QTimer(this);
    statusLineTimer->setInterval(50);
    connect(statusLineTimer, &QTimer::timeout, this, [this] { refreshStatusLine(); });
    statusLineTimer->start();
}

void MainWindow::createMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Fájl"));
    openAction = file->addAction(QStringLiteral("Megnyitás"), this, [this] { openDocument(); });
    saveAction = file->addAction(QStringLiteral("Mentés"), this, [this] { saveDocument(); });
    saveAsAction =
        file->addAction(QStringLiteral("Mentés másként"), this, [this] { saveDocumentAs(); });
    savePictureAction =
        file->addAction(QStringLiteral("Kép mentése"), this, [this] { savePicture(); });
    savePosterAction = file->addAction(tr("Poszter mentése…"), this, [this] { savePoster(); });
    saveFilmAction = file->addAction(tr("Film mentése…"), this, [this] { showFilmDialog(); });
    closeAction = file->addAction(QStringLiteral("Bezárás"), this, [this] { closeMainWindow(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Eszközök"));
    coloursAction =
        tools->addAction(QStringLiteral("Színek"), this, [this] { showColourWindow(); });
    parametersAction =
        tools->addAction(QStringLiteral("Paraméterek"), this, [this] { showParameterWindows(); });
    resolutionAction =
        tools->addAction(QStringLiteral("Felbontás"), this, [this] { showResolutionDialog(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Súgó"));
    helpAction = help->addAction(QStringLiteral("használat"), this, [this] { showHelp(); });
    aboutAction = help->addAction(QStringLiteral("a készítőről"), this, [this] { showAbout(); });
}

} // namespace gyrelune
