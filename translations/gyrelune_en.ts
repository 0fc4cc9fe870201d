<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="hu_HU">
<context>
    <name>gyrelune::AboutWindow</name>
    <message>
        <source>attraktor fraktál  szerkesztő alkalmazás</source>
        <translation>attractor fractal  editor application</translation>
    </message>
    <message>
        <source>Fejlesztő: Gyrelune csapat</source>
        <translation>Developer: the Gyrelune team</translation>
    </message>
    <message>
        <source>Utolsó fejlesztés: 2007.05.19</source>
        <translation>Last developed: 2007.05.19</translation>
    </message>
    <message>
        <source>Mamgról</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>gyrelune::AttractorSearchCommand</name>
    <message>
        <source>Attraktor keresése</source>
        <translation>Search for attractors</translation>
    </message>
    <message>
        <source>A képletekben nincs paraméter.</source>
        <translation>The formulas have no parameter.</translation>
    </message>
    <message>
        <source>Nem található különös attraktor a paraméterek tartományában.</source>
        <translation>No strange attractor was found in the parameters&apos; intervals.</translation>
    </message>
    <message>
        <source>Az ábra mérése</source>
        <translation>Measure the figure</translation>
    </message>
    <message>
        <source>Keresés…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>%1 jelölt, %2 attraktor</source>
        <translation>%1 candidates, %2 attractors</translation>
    </message>
    <message>
        <source>elszökik</source>
        <translation>escapes</translation>
    </message>
    <message>
        <source>fixpont</source>
        <translation>fixed point</translation>
    </message>
    <message>
        <source>ciklus</source>
        <translation>cycle</translation>
    </message>
    <message>
        <source>kváziperiodikus</source>
        <translation>quasi-periodic</translation>
    </message>
    <message>
        <source>kaotikus</source>
        <translation>chaotic</translation>
    </message>
    <message>
        <source>hiperkaotikus</source>
        <translation>hyperchaotic</translation>
    </message>
    <message>
        <source>hibás kiértékelés</source>
        <translation>failed evaluation</translation>
    </message>
    <message>
        <source> (periódus: %1)</source>
        <translation> (period: %1)</translation>
    </message>
    <message>
        <source>Ítélet: %1
Ljapunov-kitevők: %2  %3  %4
Kaplan–Yorke-dimenzió: %5
Korrelációs dimenzió: %6</source>
        <translation>Verdict: %1
Lyapunov exponents: %2  %3  %4
Kaplan–Yorke dimension: %5
Correlation dimension: %6</translation>
    </message>
</context>
<context>
    <name>gyrelune::ColourWindow</name>
    <message>
        <source>Színek</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Háttér színe</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Zminimum színe</source>
        <translation>Zminimum colour</translation>
    </message>
    <message>
        <source>Zmaximum színe</source>
        <translation>Zmaximum colour</translation>
    </message>
    <message>
        <source>Új</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Új köztes szín felvétele</source>
        <translation>Add an intermediate colour</translation>
    </message>
    <message>
        <source>Eldob</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Utolsó köztes elem elhagyása</source>
        <translation>Drop the last intermediate colour</translation>
    </message>
    <message>
        <source>Háttér</source>
        <translation>Backgr.</translation>
    </message>
    <message>
        <source>Színek a Z teljes tartományán</source>
        <translation>Colours over the whole Z range</translation>
    </message>
</context>
<context>
    <name>gyrelune::FileDialogs</name>
    <message>
        <source>Mappa</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Fájl</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 fájl</source>
        <translation>%1 file</translation>
    </message>
</context>
<context>
    <name>gyrelune::FilmDialog</name>
    <message>
        <source>Film mentése</source>
        <translation>Save film</translation>
    </message>
    <message>
        <source>Mentés…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kulcskép hozzáadása</source>
        <translation>Add keyframe</translation>
    </message>
    <message>
        <source>A mostani képletek, paraméterek, forgatás, nézet és színek</source>
        <translation>The current formulas, parameters, rotation, view and colours</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Feljebb</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Lejjebb</source>
        <translation>Down</translation>
    </message>
    <message>
        <source> mp</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Vissza az első kulcsképhez</source>
        <translation>Back to the first keyframe</translation>
    </message>
    <message>
        <source>Hossz</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Kép/mp</source>
        <translation>Frames/s</translation>
    </message>
    <message>
        <source>Méret</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Minőség</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>A kulcsképeknek ugyanaz a három képlete kell legyen.</source>
        <translation>The keyframes must have the same three formulas.</translation>
    </message>
    <message>
        <source>%1 mp  %2. kulcskép %3</source>
        <translation>%1 s  keyframe %2 %3</translation>
    </message>
    <message>
        <source>MP4 videó (*.mp4);;WebM videó (*.webm);;GIF animáció (*.gif)</source>
        <translation>MP4 video (*.mp4);;WebM video (*.webm);;GIF animation (*.gif)</translation>
    </message>
    <message>
        <source>A film neve .mp4, .webm vagy .gif végű legyen.</source>
        <translation>The film&apos;s name must end in .mp4, .webm or .gif.</translation>
    </message>
    <message>
        <source>MP4 és WebM filmhez páros szélesség és magasság kell.</source>
        <translation>MP4 and WebM films need an even width and height.</translation>
    </message>
    <message>
        <source>Leállítás…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>%1 / %2 képkocka</source>
        <translation>frame %1 of %2</translation>
    </message>
    <message>
        <source>Hiba: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Kész: %1</source>
        <translation>Done: %1</translation>
    </message>
    <message>
        <source>Megszakítva</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>gyrelune::FoundAttractorsWindow</name>
    <message>
        <source>Talált attraktorok</source>
        <translation>Attractors found</translation>
    </message>
    <message>
        <source>Továbbiak</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Mag: %1 (gyrelune-cli search --seed %1)</source>
        <translation>Seed: %1 (gyrelune-cli search --seed %1)</translation>
    </message>
</context>
<context>
    <name>gyrelune::HelpWindow</name>
    <message>
        <source>Attraktor fraktál szerkesztő</source>
        <translation>Attractor fractal editor</translation>
    </message>
    <message>
        <source>Matematikai alap:</source>
        <translation>Mathematical basis:</translation>
    </message>
    <message>
        <source>A háromdimenziós attraktor olyan térbeli alakzat, amelynek pontjai vonzzák</source>
        <translation>A three-dimensional attractor is a figure in space whose points attract</translation>
    </message>
    <message>
        <source>egy rekurzívan megadott vektorsorozat tagjait. Az aktuális vektor X, Y, Z</source>
        <translation>the terms of a recursively defined sequence of vectors. Substituting the</translation>
    </message>
    <message>
        <source>koordinátáit a három egyenletbe helyettesítve kapjuk a sorozat következő</source>
        <translation>X, Y, Z coordinates of the current vector into the three equations gives</translation>
    </message>
    <message>
        <source>vektorát, és a program ezt végtelenül ismétli, amíg le nem állítjuk.</source>
        <translation>the next vector, and the program repeats this without end until stopped.</translation>
    </message>
    <message>
        <source>A paraméterek kis változása az alakzat hirtelen, nagy változását okozhatja.</source>
        <translation>A small change of the parameters can change the figure suddenly and greatly.</translation>
    </message>
    <message>
        <source>Ez a determinisztikus káosz: ugyanazok az egyenletek és paraméterek mindig</source>
        <translation>This is deterministic chaos: the same equations and parameters always</translation>
    </message>
    <message>
        <source>ugyanazt az attraktort adják, mégsem lehet előre megmondani, milyen alakzatot</source>
        <translation>give the same attractor, yet nobody can tell in advance what figure</translation>
    </message>
    <message>
        <source>adnak a még ki nem próbált paraméterek. Így a felhasználó soha nem látott</source>
        <translation>untried parameters give. So the user becomes an explorer of figures</translation>
    </message>
    <message>
        <source>alakzatok felfedezőjévé válik, aki a paraméterek hangolásával újabb és újabb</source>
        <translation>never seen before, who coaxes ever new forms out of the world of</translation>
    </message>
    <message>
        <source>formákat csalhat elő a számok világából.</source>
        <translation>numbers by tuning the parameters.</translation>
    </message>
    <message>
        <source>Kellemes matematikai felfedezést kívánok!</source>
        <translation>I wish you enjoyable mathematical exploring!</translation>
    </message>
    <message>
        <source>Használat:</source>
        <translation>Use:</translation>
    </message>
    <message>
        <source>Az egyenleteket az &quot;X new&quot;, &quot;Y new&quot;, &quot;Z new&quot; utáni sávokba kell beírni.</source>
        <translation>Type the equations into the fields after &quot;X new&quot;, &quot;Y new&quot; and &quot;Z new&quot;.</translation>
    </message>
    <message>
        <source>Az egyenletek ne szökjenek a végtelenbe, különben az eredményen nem látszik semmi érdekes.</source>
        <translation>The equations should not escape to infinity, or the result shows nothing of interest.</translation>
    </message>
    <message>
        <source>Elfogadott függvények műveletek:</source>
        <translation>Accepted functions and operations:</translation>
    </message>
    <message>
        <source>+ - * /    négy alapművelet</source>
        <translation>+ - * /    the four basic operations</translation>
    </message>
    <message>
        <source>sin cos    trigonometrikus függvények</source>
        <translation>sin cos    trigonometric functions</translation>
    </message>
    <message>
        <source>ch sh      sinus és cos hiperbolicus</source>
        <translation>ch sh      hyperbolic sine and cosine</translation>
    </message>
    <message>
        <source>sqr sqrt   négyzet négyzetgyök</source>
        <translation>sqr sqrt   square, square root</translation>
    </message>
    <message>
        <source>lg         10-es alapú logaritmus</source>
        <translation>lg         base-10 logarithm</translation>
    </message>
    <message>
        <source>abs int    abszolút érték, egész rész</source>
        <translation>abs int    absolute value, integer part</translation>
    </message>
    <message>
        <source>Ha valami nem művelet, nem függvény és nem x y z, akkor azt paraméterként értelmezi a program</source>
        <translation>Whatever is not an operation, a function or x y z, the program takes as a parameter</translation>
    </message>
    <message>
        <source>Főablak:</source>
        <translation>Main window:</translation>
    </message>
    <message>
        <source>Rajzol: az adatok bevitele, a rajzolás elindítása</source>
        <translation>Draw: take the inputs over and start drawing</translation>
    </message>
    <message>
        <source>Középre (ALT): az attraktort a kép közepére hozza</source>
        <translation>Centre (ALT): brings the attractor to the middle of the picture</translation>
    </message>
    <message>
        <source>Stop/Folytat: a rajzolás leállítása, illetve folytatása</source>
        <translation>Stop/Continue: stops or continues the drawing</translation>
    </message>
    <message>
        <source>Forgat: a tengelyek körüli forgatás ablakának előhívása</source>
        <translation>Rotate: brings up the window that turns the figure about the axes</translation>
    </message>
    <message>
        <source>Nagyítás: hány képpont jut egy egységnyi hosszra</source>
        <translation>Zoom: how many pixels make one unit of length</translation>
    </message>
    <message>
        <source>Közép X,Y: a koordináta-rendszer kép közepén ábrázolt pontja</source>
        <translation>Centre X,Y: the point of the coordinate system shown in the middle</translation>
    </message>
    <message>
        <source>SzínInt.: minél nagyobb a szám, annál jobban elütnek az alakzat színei a háttértől</source>
        <translation>Gain: the larger the number, the more the figure&apos;s colours stand out from the background</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Fájl:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Új: vissza az induláskori beállításokhoz (Ctrl+N)</source>
        <translation>New: back to the set-up the program starts with (Ctrl+N)</translation>
    </message>
    <message>
        <source>Megnyitás: *.atr fájl megnyitása (Ctrl+O)</source>
        <translation>Open: open an *.atr file (Ctrl+O)</translation>
    </message>
    <message>
        <source>Példák: a programmal érkező attraktorok</source>
        <translation>Examples: attractors that come with the program</translation>
    </message>
    <message>
        <source>Legutóbbi fájlok: az utoljára használt nyolc dokumentum</source>
        <translation>Recent files: the last eight documents used</translation>
    </message>
    <message>
        <source>Mentés: a megnyitott fájl felülírása a jelenlegi beállításokkal (Ctrl+S)</source>
        <translation>Save: overwrite the open file with the current settings (Ctrl+S)</translation>
    </message>
    <message>
        <source>Mentés másként: új fájl létrehozása (Ctrl+Shift+S)</source>
        <translation>Save as: create a new file (Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>Kép mentése: a kép mentése *.jpg vagy *.bmp formában</source>
        <translation>Save picture: save the picture as *.jpg or *.bmp</translation>
    </message>
    <message>
        <source>Bezárás: a program bezárása (Ctrl+Q)</source>
        <translation>Close: close the program (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Szerkesztés:</source>
        <translation>Edit:</translation>
    </message>
    <message>
        <source>Visszavonás: az előző beállítások visszaállítása (Ctrl+Z)</source>
        <translation>Undo: bring the previous settings back (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Újra: a visszavont lépés megismétlése (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Redo: repeat the undone step (Ctrl+Shift+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>Eszközök:</source>
        <translation>Tools:</translation>
    </message>
    <message>
        <source>Színek: a Z koordináta szerinti színek és a háttér beállítása</source>
        <translation>Colours: the colours by the Z coordinate, and the background</translation>
    </message>
    <message>
        <source>Paraméterek: a paraméterek értékét beállító ablakok előhívása</source>
        <translation>Parameters: brings up the windows that set the parameters&apos; values</translation>
    </message>
    <message>
        <source>Felbontás: a képablak belső felbontása, X a szélesség, Y a magasság</source>
        <translation>Resolution: the picture window&apos;s inner size, X the width, Y the height</translation>
    </message>
    <message>
        <source>Eszközök használata</source>
        <translation>Using the tools</translation>
    </message>
    <message>
        <source>színek:</source>
        <translation>colours:</translation>
    </message>
    <message>
        <source>A színmintákra duplán kattintva a színük megváltoztatható.</source>
        <translation>Double-click a swatch to change its colour.</translation>
    </message>
    <message>
        <source>Háttér: a kép háttérszíne</source>
        <translation>Backgr.: the picture&apos;s background colour</translation>
    </message>
    <message>
        <source>Zmin: a legtávolabbi pontok színe</source>
        <translation>Zmin: the colour of the farthest points</translation>
    </message>
    <message>
        <source>Zmax: a legközelebbi pontok színe</source>
        <translation>Zmax: the colour of the nearest points</translation>
    </message>
    <message>
        <source>(a Z tengely a néző felé mutat)</source>
        <translation>(the Z axis points towards the viewer)</translation>
    </message>
    <message>
        <source>Új: új köztes szín felvétele a Zmax elé</source>
        <translation>New: adds an intermediate colour before Zmax</translation>
    </message>
    <message>
        <source>Eldob: a Zmax előtti szín elhagyása</source>
        <translation>Drop: drops the colour before Zmax</translation>
    </message>
    <message>
        <source>Ok: a rajzolás indítása az aktuális színekkel</source>
        <translation>Ok: starts drawing with the current colours</translation>
    </message>
    <message>
        <source> Paraméterek:</source>
        <translation> Parameters:</translation>
    </message>
    <message>
        <source>A csúszkával a paraméter értéke állítható.</source>
        <translation>The slider sets the parameter&apos;s value.</translation>
    </message>
    <message>
        <source>Az intervallum két végét a két oldalsó mezőbe kell beírni,</source>
        <translation>Type the two ends of the interval into the two side fields,</translation>
    </message>
    <message>
        <source>tizedesponttal (például 1.5).</source>
        <translation>with a decimal point (for example 1.5).</translation>
    </message>
    <message>
        <source>Billentyűk:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>SHIFT:      intervallum méretének felezése (a csúszkán)</source>
        <translation>SHIFT:      halves the interval (on the slider)</translation>
    </message>
    <message>
        <source>BACKSPACE:  intervallum méretének dupplázása (a csúszkán)</source>
        <translation>BACKSPACE:  doubles the interval (on the slider)</translation>
    </message>
    <message>
        <source>Forgat:</source>
        <translation>Rotate:</translation>
    </message>
    <message>
        <source>Forgatás az X, Y, Z tengely körül a csúszkákkal.</source>
        <translation>Turns the figure about the X, Y, Z axes with the sliders.</translation>
    </message>
    <message>
        <source>Egyéb:</source>
        <translation>Other:</translation>
    </message>
    <message>
        <source>A képablak átméretezhető.</source>
        <translation>The picture window can be resized.</translation>
    </message>
    <message>
        <source>Helyi menüje a jobb egérgombbal nyílik meg.</source>
        <translation>Its shortcut menu opens with the right mouse button.</translation>
    </message>
    <message>
        <source>A képre duplán kattintva előjön a főablak.</source>
        <translation>Double-clicking the picture brings up the main window.</translation>
    </message>
    <message>
        <source>Egér a képen: húzással forgat (Shift-tel a Z tengely körül),</source>
        <translation>Mouse on the picture: dragging turns the figure (with Shift about Z),</translation>
    </message>
    <message>
        <source>a görgő a mutató körül nagyít, középső gombbal vagy</source>
        <translation>the wheel zooms about the pointer, dragging with the middle button</translation>
    </message>
    <message>
        <source>Ctrl+bal gombbal húzva a kép közepe mozdul.</source>
        <translation>or with Ctrl+left button moves the centre.</translation>
    </message>
    <message>
        <source>Súgó &gt; Nyelv / Language: magyar vagy angol felület.</source>
        <translation>Help &gt; Nyelv / Language: Hungarian or English interface.</translation>
    </message>
    <message>
        <source>A program a főablakkal kicsinyíthető a tálcára.</source>
        <translation>The program is minimised to the taskbar with the main window.</translation>
    </message>
    <message>
        <source>Billentyűparancsok:</source>
        <translation>Keyboard shortcuts:</translation>
    </message>
    <message>
        <source>ENTER:  rajzolást újraindítása friss adatokkal</source>
        <translation>ENTER:  restarts drawing with fresh inputs</translation>
    </message>
    <message>
        <source>ALT:    kép középre helyezése, és újra rajzolás</source>
        <translation>ALT:    centres the picture and draws again</translation>
    </message>
    <message>
        <source>Használati útmutató</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Poszter mentése…: nagy felbontású kép a pontok sűrűségéből</source>
        <translation>Save poster…: a high-resolution picture from the density of the points</translation>
    </message>
    <message>
        <source>Film mentése…: film kulcsképek között</source>
        <translation>Save film…: a film between keyframes</translation>
    </message>
    <message>
        <source>Attraktor keresése: különös attraktorok a paraméterek tartományában</source>
        <translation>Search for attractors: strange attractors in the parameters&apos; intervals</translation>
    </message>
    <message>
        <source>Az ábra mérése: Ljapunov-kitevők és dimenziók a mostani ábráról</source>
        <translation>Measure the figure: Lyapunov exponents and dimensions of the figure drawn</translation>
    </message>
</context>
<context>
    <name>gyrelune::ImageWindow</name>
    <message>
        <source>Attraktor Kép       pont/sec: </source>
        <translation>Attractor Picture       points/sec: </translation>
    </message>
    <message>
        <source>Attraktor Kép</source>
        <translation>Attractor Picture</translation>
    </message>
    <message>
        <source>Színek</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Paraméterek</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Felbontás</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Forgat</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Kép mentése</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Főablak</source>
        <translation>Main window</translation>
    </message>
</context>
<context>
    <name>gyrelune::MainWindow</name>
    <message>
        <source>Eszközök</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>JPG képfájl (*.jpg)</source>
        <translation>JPG picture (*.jpg)</translation>
    </message>
    <message>
        <source>BMP bitmapfájl (*.bmp)</source>
        <translation>BMP bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>A kép nem készült el:
%1
(%2)</source>
        <translation>The picture was not saved:
%1
(%2)</translation>
    </message>
    <message>
        <source>attraktor fájlok (*.atr)</source>
        <translation>attractor files (*.atr)</translation>
    </message>
    <message>
        <source>tartomány</source>
        <translation>range</translation>
    </message>
    <message>
        <source>Nagyítás</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Közép X</source>
        <translation>Centre X</translation>
    </message>
    <message>
        <source>Fényerő:</source>
        <translation>Gain:</translation>
    </message>
    <message>
        <source>Nagyítási szorzó</source>
        <translation>Zoom factor</translation>
    </message>
    <message>
        <source>A kép közepén ábrázolt X érték</source>
        <translation>The X value shown in the middle of the picture</translation>
    </message>
    <message>
        <source>a kép közepén ábrázolt Y érték</source>
        <translation>the Y value shown in the middle of the picture</translation>
    </message>
    <message>
        <source>Milyen szinten győzze meg magát egy pont attraktorságáról :)</source>
        <translation>How hard a point must work to convince itself it belongs to the attractor :)</translation>
    </message>
    <message>
        <source>Rajzol</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>adatok bevitele, rajzolás elindítása</source>
        <translation>take the inputs over, start drawing</translation>
    </message>
    <message>
        <source>Középre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>A kép közepére hozza az attraktort</source>
        <translation>Brings the attractor to the middle of the picture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>rajzolás leáll/újraindít</source>
        <translation>drawing stops/restarts</translation>
    </message>
    <message>
        <source>Folytat</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Forgat</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Attraktor forgató ablak előhívása</source>
        <translation>Brings up the window that turns the attractor</translation>
    </message>
    <message>
        <source>Fájl</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Megnyitás</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Mentés másként</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Kép mentése</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Színek</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Paraméterek</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Felbontás</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>használat</source>
        <translation>user guide</translation>
    </message>
    <message>
        <source>a készítőről</source>
        <translation>about</translation>
    </message>
    <message>
        <source>A nyelv a program következő indításakor vált át.
The language changes when the program next starts.</source>
        <translation>A nyelv a program következő indításakor vált át.
The language changes when the program next starts.</translation>
    </message>
    <message>
        <source>Nyelv / Language</source>
        <translation>Nyelv / Language</translation>
    </message>
    <message>
        <source>Magyar</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>A beállítások megváltoztak. Menti a dokumentumot?</source>
        <translation>The settings have changed. Save the document?</translation>
    </message>
    <message>
        <source>Új</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Példák</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Legutóbbi fájlok</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Szerkesztés</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Visszavonás</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Újra</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Poszter mentése…</source>
        <translation>Save poster…</translation>
    </message>
    <message>
        <source>Film mentése…</source>
        <translation>Save film…</translation>
    </message>
</context>
<context>
    <name>gyrelune::ParameterWindow</name>
    <message>
        <source>%1 jelű konstans</source>
        <translation>constant %1</translation>
    </message>
</context>
<context>
    <name>gyrelune::PosterDialog</name>
    <message>
        <source> képpont</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>%1 óra %2 perc</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 perc %2 mp</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 mp</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Poszter mentése</source>
        <translation>Save poster</translation>
    </message>
    <message>
        <source>az ablak mérete</source>
        <translation>the window&apos;s size</translation>
    </message>
    <message>
        <source>1920 × 1080 (Full HD)</source>
        <translation>1920 × 1080 (Full HD)</translation>
    </message>
    <message>
        <source>3840 × 2160 (4K)</source>
        <translation>3840 × 2160 (4K)</translation>
    </message>
    <message>
        <source>A4 fekvő, 300 dpi</source>
        <translation>A4 landscape, 300 dpi</translation>
    </message>
    <message>
        <source>A4 álló, 300 dpi</source>
        <translation>A4 portrait, 300 dpi</translation>
    </message>
    <message>
        <source>A3 fekvő, 300 dpi</source>
        <translation>A3 landscape, 300 dpi</translation>
    </message>
    <message>
        <source>A3 álló, 300 dpi</source>
        <translation>A3 portrait, 300 dpi</translation>
    </message>
    <message>
        <source>egyéni</source>
        <translation>custom</translation>
    </message>
    <message>
        <source>a poszter mérete képpontban</source>
        <translation>the poster&apos;s size in pixels</translation>
    </message>
    <message>
        <source>a poszter szélessége képpontban</source>
        <translation>the poster&apos;s width in pixels</translation>
    </message>
    <message>
        <source>a poszter magassága képpontban</source>
        <translation>the poster&apos;s height in pixels</translation>
    </message>
    <message>
        <source>nincs</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 × %1 minta képpontonként</source>
        <translation>%1 × %1 samples per pixel</translation>
    </message>
    <message>
        <source>túlmintavételezés: több minta egy képpontban, simább vonalak</source>
        <translation>supersampling: more samples in a pixel, smoother lines</translation>
    </message>
    <message>
        <source> pont/képpont</source>
        <translation> points/pixel</translation>
    </message>
    <message>
        <source>hány pontot számoljon képpontonként: több pont, finomabb árnyalatok</source>
        <translation>how many points to compute per pixel: more points, finer shades</translation>
    </message>
    <message>
        <source>az ablaké</source>
        <translation>the window&apos;s</translation>
    </message>
    <message>
        <source>logaritmikus</source>
        <translation>logarithmic</translation>
    </message>
    <message>
        <source>az ablak árnyalása, vagy a sűrűség logaritmusa a sötét részekért</source>
        <translation>the window&apos;s shading, or the density&apos;s logarithm for the dark parts</translation>
    </message>
    <message>
        <source>*.png, *.jpg, *.tif vagy *.exr</source>
        <translation>*.png, *.jpg, *.tif or *.exr</translation>
    </message>
    <message>
        <source>Tallózás…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Méret:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Élsimítás:</source>
        <translation>Anti-aliasing:</translation>
    </message>
    <message>
        <source>Minőség:</source>
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Kinézet:</source>
        <translation>Look:</translation>
    </message>
    <message>
        <source>Fájl:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>az ablak mérete (%1 × %2)</source>
        <translation>the window&apos;s size (%1 × %2)</translation>
    </message>
    <message>
        <source>PNG képfájl (*.png)</source>
        <translation>PNG picture file (*.png)</translation>
    </message>
    <message>
        <source>JPG képfájl (*.jpg)</source>
        <translation>JPG picture file (*.jpg)</translation>
    </message>
    <message>
        <source>TIFF képfájl (*.tif)</source>
        <translation>TIFF picture file (*.tif)</translation>
    </message>
    <message>
        <source>EXR HDR képfájl (*.exr)</source>
        <translation>EXR HDR picture file (*.exr)</translation>
    </message>
    <message>
        <source>Adja meg a fájl nevét.</source>
        <translation>Give the file&apos;s name.</translation>
    </message>
    <message>
        <source>A fájl neve .png, .jpg, .tif vagy .exr végű legyen.</source>
        <translation>The file&apos;s name must end in .png, .jpg, .tif or .exr.</translation>
    </message>
    <message>
        <source>A poszter oldala 1 és %1 képpont között lehet.</source>
        <translation>The poster&apos;s sides may be 1 to %1 pixels.</translation>
    </message>
    <message>
        <source>JPG képben egy oldal legfeljebb 65500 képpont: válasszon PNG, TIFF vagy EXR formát.</source>
        <translation>A JPG picture has sides of at most 65500 pixels: choose PNG, TIFF or EXR.</translation>
    </message>
    <message>
        <source>Az élsimítás vagy a minőség értéke hibás.</source>
        <translation>The anti-aliasing or the quality is not a valid value.</translation>
    </message>
    <message>
        <source>Ehhez a poszterhez %1 GB memória kellene, több, mint amennyi van: válasszon kisebb méretet vagy kevesebb élsimítást.</source>
        <translation>This poster would need %1 GB of memory, more than there is: choose a smaller size or less anti-aliasing.</translation>
    </message>
    <message>
        <source>Számolás…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>Leállítás…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>még kb. %1</source>
        <translation>about %1 left</translation>
    </message>
    <message>
        <source>Elkészült (%1): %2</source>
        <translation>Done (%1): %2</translation>
    </message>
    <message>
        <source>Megszakítva; a fájl nem készült el.</source>
        <translation>Cancelled; the file was not written.</translation>
    </message>
    <message>
        <source>A poszter nem készült el:
%1
(%2)</source>
        <translation>The poster was not made:
%1
(%2)</translation>
    </message>
</context>
<context>
    <name>gyrelune::ResolutionDialog</name>
    <message>
        <source>Felbontás</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>A kép szélessége képpontban (legalább %1)</source>
        <translation>The picture&apos;s width in pixels (at least %1)</translation>
    </message>
    <message>
        <source>A kép magassága képpontban (legalább %1)</source>
        <translation>The picture&apos;s height in pixels (at least %1)</translation>
    </message>
</context>
<context>
    <name>gyrelune::RotationWindow</name>
    <message>
        <source>Tengely körűli elforgatások</source>
        <translation>Rotations about the axes</translation>
    </message>
</context>
</TS>
