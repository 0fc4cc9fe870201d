// The main window's controls and menu.

#include "app/mainWindow.h"

#include "formula/widget/formulaLineEdit.h"
#include "windows/toolControls.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace gyrelune {

namespace {

// "X " "new" ":=": the coordinate with "new" set small beside it.
void formulaLabel(QWidget* parent, const QString& coordinate, int top) {
    QLabel* name = createLabel(parent, coordinate, 8, top, 16);
    QLabel* sub = createLabel(parent, QStringLiteral("new"), 8 + name->width(), top + 8, 9);
    createLabel(parent, QStringLiteral(":="), sub->x() + sub->width() + 2, top + 1, 14);
}

QPushButton* button(QWidget* parent, const QString& text, const QString& hint, int left, int top) {
    auto* result = new QPushButton(text, parent);
    result->setToolTip(hint);
    result->setGeometry(left, top, 75, 27);
    return result;
}

} // namespace

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(571, 148);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // single border: not resizable

    const char* const texts[7] = {MainWindowDefaults::formulaX, MainWindowDefaults::formulaY,
                                  MainWindowDefaults::formulaZ, MainWindowDefaults::zoom,
                                  MainWindowDefaults::centreX,  MainWindowDefaults::centreY,
                                  MainWindowDefaults::gain};
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new FormulaLineEdit(client);
        edits_[i]->setText(QString::fromLatin1(texts[i]));
        fields_[i] = std::make_unique<FormulaLineEditField>(*edits_[i]);
    }

    // Formulas on the left, one row each.
    formulaLabel(client, QStringLiteral("X "), 8);
    formulaLabel(client, QStringLiteral("Y"), 38);
    formulaLabel(client, QStringLiteral("Z"), 68);
    for (int row = 0; row < 3; ++row)
        edits_[std::size_t(row)]->setGeometry(64, 8 + 30 * row, 320, 24);

    // View settings on the right.
    createLabel(client, QStringLiteral("Nagyítás"), 396, 12);
    createLabel(client, QStringLiteral("Közép X"), 396, 42);
    createLabel(client, QStringLiteral("Y"), 450, 72);
    createLabel(client, QStringLiteral("Fényerő:"), 396, 102);
    for (int row = 0; row < 4; ++row)
        edits_[std::size_t(MainField::zoom) + std::size_t(row)]->setGeometry(466, 8 + 30 * row, 97,
                                                                             24);
    edit(MainField::zoom)->setToolTip(QStringLiteral("Nagyítási szorzó"));
    edit(MainField::centreX)->setToolTip(QStringLiteral("A kép közepén ábrázolt X érték"));
    edit(MainField::centreY)->setToolTip(QStringLiteral("a kép közepén ábrázolt Y érték"));
    edit(MainField::gain)
        ->setToolTip(
            QStringLiteral("Milyen szinten győzze meg magát egy pont attraktorságáról :)"));

    drawButton = button(client, QStringLiteral("Rajzol"),
                        QStringLiteral("adatok bevitele, rajzolás elindítása"), 64, 97);
    centreButton = button(client, QStringLiteral("Középre"),
                          QStringLiteral("A kép közepére hozza az attraktort"), 146, 97);
    stopButton =
        button(client, QStringLiteral("Stop"), QStringLiteral("rajzolás leáll/újraindít"), 228, 97);
    rotateButton = button(client, QStringLiteral("Forgat"),
                          QStringLiteral("Attraktor forgató ablak előhívása"), 310, 97);
    connect(drawButton, &QPushButton::clicked, this, [this] { draw(); });
    connect(centreButton, &QPushButton::clicked, this, [this] { centre(); });
    connect(stopButton, &QPushButton::clicked, this, [this] { toggleStop(); });
    connect(rotateButton, &QPushButton::clicked, this, [this] { showRotationWindow(); });

    // The status line: read-only, borderless, in the window's colour.
    statusLine = createNameLabel(client, 8, 129, 553, 10);
    statusLine->resize(553, 17);

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
