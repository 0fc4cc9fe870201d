#include "windows/helpWindow.h"

#include "windows/readOnlyText.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace gyrelune {

namespace {

const char* const helpTextLines[] = {
    "Attraktor fraktál szerkesztő",
    "",
    "Matematikai alap:",
    "",
    "A háromdimenziós attraktor olyan térbeli alakzat, amelynek pontjai vonzzák",
    "egy rekurzívan megadott vektorsorozat tagjait. Az aktuális vektor X, Y, Z",
    "koordinátáit a három egyenletbe helyettesítve kapjuk a sorozat következő",
    "vektorát, és a program ezt végtelenül ismétli, amíg le nem állítjuk.",
    "A paraméterek kis változása az alakzat hirtelen, nagy változását okozhatja.",
    "Ez a determinisztikus káosz: ugyanazok az egyenletek és paraméterek mindig",
    "ugyanazt az attraktort adják, mégsem lehet előre megmondani, milyen alakzatot",
    "adnak a még ki nem próbált paraméterek. Így a felhasználó soha nem látott",
    "alakzatok felfedezőjévé válik, aki a paraméterek hangolásával újabb és újabb",
    "formákat csalhat elő a számok világából.",
    "Kellemes matematikai felfedezést kívánok!",
    "",
    "",
    "Használat:",
    "",
    "Az egyenleteket az \"X new\", \"Y new\", \"Z new\" utáni sávokba kell beírni.",
    "Az egyenletek ne szökjenek a végtelenbe, különben az eredményen nem látszik semmi érdekes.",
    "",
    "Elfogadott függvények műveletek:",
    "",
    "+ - * /    négy alapművelet",
    "sin cos    trigonometrikus függvények",
    "ch sh      sinus és cos hiperbolicus",
    "sqr sqrt   négyzet négyzetgyök",
    "lg         10-es alapú logaritmus",
    "abs int    abszolút érték, egész rész",
    "",
    "Ha valami nem művelet, nem függvény és nem x y z, akkor azt paraméterként értelmezi a program",
    "",
    "Főablak:",
    "",
    "Rajzol: az adatok bevitele, a rajzolás elindítása",
    "Középre (ALT): az attraktort a kép közepére hozza",
    "Stop/Folytat: a rajzolás leállítása, illetve folytatása",
    "Forgat: a tengelyek körüli forgatás ablakának előhívása",
    "Nagyítás: hány képpont jut egy egységnyi hosszra",
    "Közép X,Y: a koordináta-rendszer kép közepén ábrázolt pontja",
    "SzínInt.: minél nagyobb a szám, annál jobban elütnek az alakzat színei a háttértől",
    "",
    "",
    "Menü",
    "",
    "",
    "Fájl:",
    "",
    "Megnyitás: *.atr fájl megnyitása",
    "Mentés: a megnyitott fájl felülírása a jelenlegi beállításokkal",
    "Mentés másként: új fájl létrehozása",
    "Kép mentése: a kép mentése *.jpg vagy *.bmp formában",
    "Bezárás: a program bezárása",
    "",
    "",
    "Eszközök:",
    "",
    "Színek: a Z koordináta szerinti színek és a háttér beállítása",
    "Paraméterek: a paraméterek értékét beállító ablakok előhívása",
    "Felbontás: a képablak belső felbontása, X a szélesség, Y a magasság",
    "",
    "",
    "Eszközök használata",
    "",
    "színek:",
    "",
    "A színmintákra duplán kattintva a színük megváltoztatható.",
    "Háttér: a kép háttérszíne",
    "Zmin: a legtávolabbi pontok színe",
    "Zmax: a legközelebbi pontok színe",
    "(a Z tengely a néző felé mutat)",
    "Új: új köztes szín felvétele a Zmax elé",
    "Eldob: a Zmax előtti szín elhagyása",
    "Ok: a rajzolás indítása az aktuális színekkel",
    "",
    " Paraméterek:",
    "",
    "A csúszkával a paraméter értéke állítható.",
    "Az intervallum két végét a két oldalsó mezőbe kell beírni,",
    "tizedesponttal (például 1.5).",
    "",
    "Billentyűk:",
    "",
    "SHIFT:      intervallum méretének felezése (a csúszkán)",
    "BACKSPACE:  intervallum méretének dupplázása (a csúszkán)",
    "",
    "Forgat:",
    "",
    "Forgatás az X, Y, Z tengely körül a csúszkákkal.",
    "",
    "Egyéb:",
    "",
    "A képablak átméretezhető.",
    "Helyi menüje a jobb egérgombbal nyílik meg.",
    "A képre duplán kattintva előjön a főablak.",
    "A program a főablakkal kicsinyíthető a tálcára.",
    "",
    "Billentyűparancsok:",
    "",
    "ENTER:  rajzolást újraindítása friss adatokkal",
    "ALT:    kép középre helyezése, és újra rajzolás",
    "",
};

} // namespace

QStringList HelpWindow::helpLines() {
    QStringList lines;
    for (const char* line : helpTextLines)
        lines << QString::fromUtf8(line);
    return lines;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Használati útmutató"));
    helpText = createReadOnlyText(this, helpLines());
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The tables line their second column up by blanks.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFont shown = helpText->font();
    if (shown.pointSizeF() > 0)
        font.setPointSizeF(shown.pointSizeF());
    else
        font.setPixelSize(shown.pixelSize());
    helpText->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 0, 1, 1);
    layout->addWidget(helpText);
    resize(570, 562);
}

} // namespace gyrelune
