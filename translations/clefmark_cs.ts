<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Stav vstupu</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Odchylka v centech</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Jak daleko je výška od nejbližšího tónu</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Zatím žádný tón</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>Tón v houslovém a basovém klíči</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Vstupní úroveň</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Rozpoznávání výšky tónu</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Posune se s každou nalezenou výškou</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Ladička</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Čeká se na zvukový server…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Žádné vstupní zařízení: vyberte je v Nastavení zvuku…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Vstupní zařízení nelze použít</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Nelze poslouchat: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (pozastaveno)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Nápověda na &amp;webu…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Otevřít stránku nápovědy Clefmarku ve webovém prohlížeči</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Otevřít &amp;příručku…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Příručka není nainstalována</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Otevřít příručku ve webovém prohlížeči</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Německé názvy (C D E F G A H a B pro B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Solmizační slabiky (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Písmenné názvy (C D E F G A B)</translation>
    </message>
    <message>
        <source>Do</source>
        <comment>fixed-do name of C</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Re</source>
        <comment>fixed-do name of D</comment>
        <translation>Re</translation>
    </message>
    <message>
        <source>Mi</source>
        <comment>fixed-do name of E</comment>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fa</source>
        <comment>fixed-do name of F</comment>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Sol</source>
        <comment>fixed-do name of G</comment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>La</source>
        <comment>fixed-do name of A</comment>
        <translation>La</translation>
    </message>
    <message>
        <source>Si</source>
        <comment>fixed-do name of B</comment>
        <translation>Si</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Listening</source>
        <comment>capture runs; nothing pitched heard lately</comment>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Slabý signál</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Vstupní zařízení nelze použít</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Žádné vstupní zařízení</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Čeká se na zvukový server</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>nízko</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>čistě</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>vysoko</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>křížek</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>béčko</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 centu vysoko</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 centu nízko</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 centu</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>Ladění C (skutečná výška)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>B (klarinet, trubka, sopránový saxofon)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A (klarinet)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Es alt (altový saxofon)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F (lesní roh)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>B tenor (tenorový saxofon)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Es baryton (barytonový saxofon)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Kytara a baskytara</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n půltón</numerusform>
            <numerusform>%n půltóny</numerusform>
            <numerusform>%n půltónů</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Je nám líto, Clefmark vyžaduje Qt %1 nebo novější.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>O aplikaci Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Chromatická ladička: zahrajte nebo zazpívejte tón a uvidíte, jak daleko je od nejbližšího.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Otevřít webové stránky projektu</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © autoři Clefmarku.
Svobodný software šířený pod licencí GNU General Public License,
verze 3 nebo libovolné pozdější verze (GPL-3.0-or-later).
Bez jakékoli záruky.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Přečíst licenci</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Nahrávky (%1);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark nemůže přehrát „%1“: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Otevřít nahrávku</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>toto okno nepřehrává soubory</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Poslech: %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Toto pracovní prostředí nedovoluje programu držet okno nad ostatními.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Nebyl nalezen žádný program pro nastavení zvuku. Nainstalujte pavucontrol a vyberte v něm vstupní zařízení.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Nebyl nalezen žádný webový prohlížeč, který by otevřel příručku. Je v %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Nebyl nalezen žádný webový prohlížeč, který by otevřel %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Jiný</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Komorní A musí být celé číslo v Hz od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Poslech: %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>zní %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>hertzu</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; naposledy slyšeno: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Nápověda ke Clefmarku</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Nápověda na &amp;webu…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Otevřít stránku nápovědy Clefmarku ve webovém prohlížeči</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Příručka</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>background</source>
        <translation>background</translation>
    </message>
    <message>
        <source>&amp;Tuner</source>
        <translation>&amp;Ladění</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Pohled</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pozastavit</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Po&amp;kračovat</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Otevřít nahrávku…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>Poslouchat &amp;vstup</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>&amp;Nastavení zvuku…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Textový údaj</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>&amp;Barvy pro barvoslepé</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Skutečná velikost</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Přiblížit</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Oddálit</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Vždy navrchu</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Nápověda ke Clefmarku</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;O aplikaci Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>Př&amp;edvolby…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Předvolby Clefmarku</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>Komorní &amp;A:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>Výška tónu A nad středním C (a¹), od 420 do 460 Hz. Potvrďte klávesou Enter.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (420 až 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>&amp;Potlačení oktávových skoků</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Ignoruje tón, který zazní o oktávu výš nebo níž než právě zobrazený.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Téměř čistý tón brát jako čistý</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Zobrazí tón jako čistý v širším rozsahu kolem něj.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>T&amp;ranspozice:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Zobrazí tóny tak, jak jsou zapsány v partu vašeho nástroje: u trubky in B♭ se B♭ znějící na klavíru zobrazí jako C.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Půltóny od znějícího k zapsanému</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Zapsaný tón = znějící tón + tento počet půltónů, od −24 do +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Křížky (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Béčka (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>V textovém údaji pojmenuje černé klávesy B♭, E♭, A♭, D♭ a G♭; osnovy si ponechají křížky.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Obnovit výchozí</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Po tichu začínat každý tón zno&amp;vu</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Po zhruba 0,2 sekundy bez výšky tónu se další tón čte samostatně místo pokračování průměru předchozího.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transpozice</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Detekce:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Kde klasický detektor nenajde stálou periodu, jako u klavíru nebo sboru, může tón určit druhý detektor.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasická</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Klasická s druhým názorem (pro klavír a zpěv)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>&amp;Názvy tónů:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Jak textový údaj a čtečky obrazovky pojmenovávají tóny; osnovy zůstávají stejné, ať jsou názvy jakékoli.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Černé klávesy:</translation>
    </message>
</context>
</TS>
