#include "windows/helpWindow.h"

#include "windows/readOnlyText.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace gyrelune {

namespace {

const char* const helpTextLines[] = {
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Attraktor fraktál szerkesztő"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Matematikai alap:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "A háromdimenziós attraktor olyan térbeli alakzat, amelynek pontjai vonzzák"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "egy rekurzívan megadott vektorsorozat tagjait. Az aktuális vektor X, Y, Z"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "koordinátáit a három egyenletbe helyettesítve kapjuk a sorozat következő"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "vektorát, és a program ezt végtelenül ismétli, amíg le nem állítjuk."),
    QT_TRANSLATE_NOOP(
        "gyrelune::HelpWindow",
        "A paraméterek kis változása az alakzat hirtelen, nagy változását okozhatja."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Ez a determinisztikus káosz: ugyanazok az egyenletek és paraméterek mindig"),
    QT_TRANSLATE_NOOP(
        "gyrelune::HelpWindow",
        "ugyanazt az attraktort adják, mégsem lehet előre megmondani, milyen alakzatot"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "adnak a még ki nem próbált paraméterek. Így a felhasználó soha nem látott"),
    QT_TRANSLATE_NOOP(
        "gyrelune::HelpWindow",
        "alakzatok felfedezőjévé válik, aki a paraméterek hangolásával újabb és újabb"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "formákat csalhat elő a számok világából."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Kellemes matematikai felfedezést kívánok!"),
    "",
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Használat:"),
    "",
    QT_TRANSLATE_NOOP(
        "gyrelune::HelpWindow",
        "Az egyenleteket az \"X new\", \"Y new\", \"Z new\" utáni sávokba kell beírni."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Az egyenletek ne szökjenek a végtelenbe, különben "
                                              "az eredményen nem látszik semmi érdekes."),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Elfogadott függvények műveletek:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "+ - * /    négy alapművelet"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "sin cos    trigonometrikus függvények"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "ch sh      sinus és cos hiperbolicus"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "sqr sqrt   négyzet négyzetgyök"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "lg         10-es alapú logaritmus"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "abs int    abszolút érték, egész rész"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Ha valami nem művelet, nem függvény és nem x y z, "
                                              "akkor azt paraméterként értelmezi a program"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Főablak:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Rajzol: az adatok bevitele, a rajzolás elindítása"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Középre (ALT): az attraktort a kép közepére hozza"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Stop/Folytat: a rajzolás leállítása, illetve folytatása"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Forgat: a tengelyek körüli forgatás ablakának előhívása"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Nagyítás: hány képpont jut egy egységnyi hosszra"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Közép X,Y: a koordináta-rendszer kép közepén ábrázolt pontja"),
    QT_TRANSLATE_NOOP(
        "gyrelune::HelpWindow",
        "SzínInt.: minél nagyobb a szám, annál jobban elütnek az alakzat színei a háttértől"),
    "",
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Menü"),
    "",
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Fájl:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Új: vissza az induláskori beállításokhoz (Ctrl+N)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Megnyitás: *.atr fájl megnyitása (Ctrl+O)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Példák: a programmal érkező attraktorok"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Legutóbbi fájlok: az utoljára használt nyolc dokumentum"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Mentés: a megnyitott fájl felülírása a jelenlegi beállításokkal (Ctrl+S)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Mentés másként: új fájl létrehozása (Ctrl+Shift+S)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Kép mentése: a kép mentése *.jpg vagy *.bmp formában"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Poszter mentése…: nagy felbontású kép a pontok sűrűségéből"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Film mentése…: film kulcsképek között"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Bezárás: a program bezárása (Ctrl+Q)"),
    "",
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Szerkesztés:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Visszavonás: az előző beállítások visszaállítása (Ctrl+Z)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Újra: a visszavont lépés megismétlése (Ctrl+Shift+Z, Ctrl+Y)"),
    "",
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Eszközök:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Színek: a Z koordináta szerinti színek és a háttér beállítása"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Paraméterek: a paraméterek értékét beállító ablakok előhívása"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Felbontás: a képablak belső felbontása, X a szélesség, Y a magasság"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Attraktor keresése: különös attraktorok a paraméterek tartományában"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Az ábra mérése: Ljapunov-kitevők és dimenziók a mostani ábráról"),
    "",
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Eszközök használata"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "színek:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "A színmintákra duplán kattintva a színük megváltoztatható."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Háttér: a kép háttérszíne"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Zmin: a legtávolabbi pontok színe"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Zmax: a legközelebbi pontok színe"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "(a Z tengely a néző felé mutat)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Új: új köztes szín felvétele a Zmax elé"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Eldob: a Zmax előtti szín elhagyása"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Ok: a rajzolás indítása az aktuális színekkel"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", " Paraméterek:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "A csúszkával a paraméter értéke állítható."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Az intervallum két végét a két oldalsó mezőbe kell beírni,"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "tizedesponttal (például 1.5)."),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Billentyűk:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "SHIFT:      intervallum méretének felezése (a csúszkán)"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "BACKSPACE:  intervallum méretének dupplázása (a csúszkán)"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Forgat:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Forgatás az X, Y, Z tengely körül a csúszkákkal."),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Egyéb:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "A képablak átméretezhető."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Helyi menüje a jobb egérgombbal nyílik meg."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "A képre duplán kattintva előjön a főablak."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Egér a képen: húzással forgat (Shift-tel a Z tengely körül),"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "a görgő a mutató körül nagyít, középső gombbal vagy"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Ctrl+bal gombbal húzva a kép közepe mozdul."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow",
                      "Súgó > Nyelv / Language: magyar vagy angol felület."),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "A program a főablakkal kicsinyíthető a tálcára."),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "Billentyűparancsok:"),
    "",
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "ENTER:  rajzolást újraindítása friss adatokkal"),
    QT_TRANSLATE_NOOP("gyrelune::HelpWindow", "ALT:    kép középre helyezése, és újra rajzolás"),
    "",
};

} // namespace

QStringList HelpWindow::helpLines() {
    QStringList lines;
    for (const char* line : helpTextLines)
        lines << (*line ? QCoreApplication::translate("gyrelune::HelpWindow", line) : QString());
    return lines;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Használati útmutató"));
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
