// The main window's controls and menu.

#include "app/mainWindow.h"

#include "app/language.h"

#include "windows/formulaLineEdit.h"
#include "windows/toolControls.h"

#include <QActionGroup>
#include <QCoreApplication>
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
    const QString axis = QStringLiteral("%1 ") +
                         QCoreApplication::translate("gyrelune::MainWindow", "tartomány") +
                         QStringLiteral(": [-10.000 , 10.000]");
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
    const QString names[4] = {QCoreApplication::translate("gyrelune::MainWindow", "Nagyítás"),
                              QCoreApplication::translate("gyrelune::MainWindow", "Közép X"),
                              QStringLiteral("Y"),
                              QCoreApplication::translate("gyrelune::MainWindow", "Fényerő:")};
    const QString hints[4] = {
        QCoreApplication::translate("gyrelune::MainWindow", "Nagyítási szorzó"),
        QCoreApplication::translate("gyrelune::MainWindow", "A kép közepén ábrázolt X érték"),
        QCoreApplication::translate("gyrelune::MainWindow", "a kép közepén ábrázolt Y érték"),
        QCoreApplication::translate(
            "gyrelune::MainWindow",
            "Milyen szinten győzze meg magát egy pont attraktorságáról :)")};
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
    drawButton = button(client, tr("Rajzol"), tr("adatok bevitele, rajzolás elindítása"));
    centreButton = button(client, tr("Középre"), tr("A kép közepére hozza az attraktort"));
    stopButton = button(client, tr("Stop"), tr("rajzolás leáll/újraindít"));
    fitButton(stopButton, {tr("Stop"), tr("Folytat")}, 75);
    rotateButton = button(client, tr("Forgat"), tr("Attraktor forgató ablak előhívása"));
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
    QMenu* file = menuBar()->addMenu(tr("Fájl"));
    newAction = file->addAction(tr("Új"), this, [this] { newDocument(); });
    newAction->setShortcut(QKeySequence::New);
    openAction = file->addAction(tr("Megnyitás"), this, [this] { openDocument(); });
    openAction->setShortcut(QKeySequence::Open);
    examplesMenu = file->addMenu(tr("Példák"));
    fillExamplesMenu();
    recentMenu = file->addMenu(tr("Legutóbbi fájlok"));
    connect(recentMenu, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    saveAction = file->addAction(tr("Mentés"), this, [this] { saveDocument(); });
    saveAction->setShortcut(QKeySequence::Save);
    saveAsAction = file->addAction(tr("Mentés másként"), this, [this] { saveDocumentAs(); });
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    savePictureAction = file->addAction(tr("Kép mentése"), this, [this] { savePicture(); });
    savePosterAction = file->addAction(tr("Poszter mentése…"), this, [this] { savePoster(); });
    saveFilmAction = file->addAction(tr("Film mentése…"), this, [this] { showFilmDialog(); });
    closeAction = file->addAction(tr("Bezárás"), this, [this] { closeMainWindow(); });
    closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu(tr("Szerkesztés"));
    undoAction = edit->addAction(tr("Visszavonás"), this, [this] { undo(); });
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction = edit->addAction(tr("Újra"), this, [this] { redo(); });
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    updateHistoryActions();

    QMenu* tools = menuBar()->addMenu(tr("Eszközök"));
    coloursAction = tools->addAction(tr("Színek"), this, [this] { showColourWindow(); });
    parametersAction =
        tools->addAction(tr("Paraméterek"), this, [this] { showParameterWindows(); });
    resolutionAction = tools->addAction(tr("Felbontás"), this, [this] { showResolutionDialog(); });

    QMenu* help = menuBar()->addMenu(tr("Súgó"));
    helpAction = help->addAction(tr("használat"), this, [this] { showHelp(); });
    aboutAction = help->addAction(tr("a készítőről"), this, [this] { showAbout(); });
    createLanguageMenu(help);
}

void MainWindow::createLanguageMenu(QMenu* help) {
    // Named in both languages, so that either reader finds it.
    QMenu* languages = help->addMenu(tr("Nyelv / Language"));
    auto* group = new QActionGroup(languages);
    const Language current = savedLanguage();
    const std::pair<Language, QString> choices[] = {{Language::hungarian, tr("Magyar")},
                                                    {Language::english, tr("English")}};
    for (const auto& [language, name] : choices) {
        QAction* action = languages->addAction(
            name, this, [this, language = language] { chooseLanguage(language); });
        action->setCheckable(true);
        action->setChecked(language == current);
        group->addAction(action);
        (language == Language::english ? englishAction : hungarianAction) = action;
    }
}

} // namespace gyrelune
