// The main window's controls and menu.

#include "attrakt.h"

#include "strFunct.h"
#include "toolControls.h"

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

void TForm1::createControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(571, 148);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // single border: not resizable

    const char* const texts[7] = {MainWindowDefaults::formulaX, MainWindowDefaults::formulaY,
                                  MainWindowDefaults::formulaZ, MainWindowDefaults::zoom,
                                  MainWindowDefaults::centreX,  MainWindowDefaults::centreY,
                                  MainWindowDefaults::gain};
    for (std::size_t i = 0; i < strFunct.size(); ++i) {
        strFunct[i] = new TstrFunct(client);
        strFunct[i]->setText(QString::fromLatin1(texts[i]));
        fields_[i] = std::make_unique<TstrFunctField>(*strFunct[i]);
    }

    // Formulas on the left, one row each.
    formulaLabel(client, QStringLiteral("X "), 8);
    formulaLabel(client, QStringLiteral("Y"), 38);
    formulaLabel(client, QStringLiteral("Z"), 68);
    for (int row = 0; row < 3; ++row)
        strFunct[std::size_t(row)]->setGeometry(64, 8 + 30 * row, 320, 24);

    // View settings on the right.
    createLabel(client, QStringLiteral("Nagyítás"), 396, 12);
    createLabel(client, QStringLiteral("Közép X"), 396, 42);
    createLabel(client, QStringLiteral("Y"), 450, 72);
    createLabel(client, QStringLiteral("Fényerő:"), 396, 102);
    for (int row = 0; row < 4; ++row)
        strFunct[std::size_t(3 + row)]->setGeometry(466, 8 + 30 * row, 97, 24);
    strFunct[3]->setToolTip(QStringLiteral("Nagyítási szorzó"));
    strFunct[4]->setToolTip(QStringLiteral("A kép közepén ábrázolt X érték"));
    strFunct[5]->setToolTip(QStringLiteral("a kép közepén ábrázolt Y érték"));
    strFunct[6]->setToolTip(
        QStringLiteral("Milyen szinten győzze meg magát egy pont attraktorságáról :)"));

    BitBtn1 = button(client, QStringLiteral("Rajzol"),
                     QStringLiteral("adatok bevitele, rajzolás elindítása"), 64, 97);
    Button1 = button(client, QStringLiteral("Középre"),
                     QStringLiteral("A kép közepére hozza az attraktort"), 146, 97);
    Button2 =
        button(client, QStringLiteral("Stop"), QStringLiteral("rajzolás leáll/újraindít"), 228, 97);
    Button3 = button(client, QStringLiteral("Forgat"),
                     QStringLiteral("Attraktor forgató ablak előhívása"), 310, 97);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    // The status line: read-only, borderless, in the window's colour.
    Edit1 = createNameLabel(client, 8, 129, 553, 10);
    Edit1->resize(553, 17);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(50);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    Timer2->start();
}

void TForm1::createMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Fájl"));
    Ments1 = file->addAction(QStringLiteral("Megnyitás"), this, [this] { Ments1Click(); });
    Mentsmsknt1 = file->addAction(QStringLiteral("Mentés"), this, [this] { Mentsmsknt1Click(); });
    Mentsmsknt2 =
        file->addAction(QStringLiteral("Mentés másként"), this, [this] { Mentsmsknt2Click(); });
    Bezrs1 = file->addAction(QStringLiteral("Kép mentése"), this, [this] { Bezrs1Click(); });
    Bezrs2 = file->addAction(QStringLiteral("Bezárás"), this, [this] { Bezrs2Click(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Eszközök"));
    Sznezs1 = tools->addAction(QStringLiteral("Színek"), this, [this] { Sznezs1Click(); });
    Konstansok1 =
        tools->addAction(QStringLiteral("Paraméterek"), this, [this] { Konstansok1Click(); });
    N3Dbellts1 = tools->addAction(QStringLiteral("Felbontás"), this, [this] { N3Dbellts1Click(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Súgó"));
    Kezels1 = help->addAction(QStringLiteral("használat"), this, [this] { Kezels1Click(); });
    Kszt1 = help->addAction(QStringLiteral("a készítőről"), this, [this] { Kszt1Click(); });
}

} // namespace gyrelune
