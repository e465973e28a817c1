<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Stan wejścia</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Odchylenie w centach</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Jak daleko wysokość leży od najbliższej nuty</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Jeszcze brak nuty</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>Nuta na pięcioliniach w kluczu wiolinowym i basowym</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Poziom wejścia</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Wykrywanie wysokości</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Przesuwa się przy każdej wykrytej wysokości</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Stroik</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Oczekiwanie na serwer dźwięku…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Brak urządzenia wejściowego: wybierz je w Ustawieniach dźwięku…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Nie można użyć urządzenia wejściowego</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Nie można nasłuchiwać: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (wstrzymany)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Pomoc w &amp;internecie…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Otwórz stronę pomocy programu Clefmark w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Otwórz &amp;podręcznik…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Podręcznik nie jest zainstalowany</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Otwórz podręcznik w przeglądarce internetowej</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Nazwy niemieckie (C D E F G A H oraz B jako B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Nazwy solmizacyjne (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Nazwy literowe (C D E F G A B)</translation>
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
        <translation>Nasłuchiwanie</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Za cicho</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Nie można użyć urządzenia wejściowego</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Brak urządzenia wejściowego</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Oczekiwanie na serwer dźwięku</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>za nisko</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>czysto</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>za wysoko</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>krzyżyk</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>bemol</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 centa za wysoko</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 centa za nisko</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 centa</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>Strój C (brzmienie rzeczywiste)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>B (klarnet, trąbka, saksofon sopranowy)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A (klarnet)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Es alt (saksofon altowy)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F (róg)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>B tenor (saksofon tenorowy)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Es baryton (saksofon barytonowy)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Gitara i gitara basowa</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n półton</numerusform>
            <numerusform>%n półtony</numerusform>
            <numerusform>%n półtonów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Niestety, Clefmark działa tylko z Qt %1 lub nowszym.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>O programie Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Stroik chromatyczny: zagraj lub zaśpiewaj dźwięk i zobacz, jak daleko jest od najbliższego.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Otwórz stronę internetową projektu</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © autorzy programu Clefmark.
Wolne oprogramowanie na warunkach Powszechnej Licencji Publicznej GNU,
w wersji 3 lub dowolnej późniejszej (GPL-3.0-or-later).
Bez jakiejkolwiek gwarancji.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Przeczytaj licencję</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Nagrania (%1);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark nie może odtworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Otwórz nagranie</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>to okno nie odtwarza plików</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Nasłuchiwanie: %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>To środowisko pulpitu nie pozwala programowi utrzymywać swojego okna nad innymi.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Nie znaleziono programu do ustawień dźwięku. Zainstaluj pavucontrol, aby wybrać urządzenie wejściowe.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Nie znaleziono przeglądarki internetowej, by otworzyć podręcznik. Znajduje się w %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Nie znaleziono przeglądarki internetowej, by otworzyć %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Dźwięk wzorcowy A musi być liczbą całkowitą Hz od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Nasłuchiwanie: %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>brzmi %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>herca</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; ostatnio słyszany: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Pomoc programu Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Pomoc w &amp;internecie…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Otwórz stronę pomocy programu Clefmark w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Podręcznik</translation>
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
        <translation>&amp;Stroik</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Wstrzymaj</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>W&amp;znów</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Otwórz nagranie…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>&amp;Nasłuchuj wejścia</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>&amp;Ustawienia dźwięku…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Odczyt tekstowy</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>Kolory bezpieczne dla &amp;daltonistów</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Powiększ</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Pomoc programu Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;O programie Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Preferencje…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Preferencje programu Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>Dźwięk &amp;wzorcowy A:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>Wysokość dźwięku A nad środkowym C (a¹), od 420 do 460 Hz. Naciśnij Enter, aby zastosować.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (od 420 do 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>Tłumienie skoków &amp;oktawowych</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Pomija dźwięk usłyszany o oktawę wyżej lub niżej od właśnie pokazanego.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>Uznawaj &amp;prawie czysty dźwięk za czysty</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Pokazuje dźwięk jako czysty w szerszym zakresie wokół niego.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Transpozycja:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Pokazuje nuty tak, jak zapisana jest partia twojego instrumentu: dla trąbki w stroju B♭ dźwięk B♭ fortepianu jest pokazywany jako C.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Półtony od brzmienia do zapisu</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Dźwięk zapisany = dźwięk brzmiący + tyle półtonów, od −24 do +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Krzyżyki (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Bemole (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Nazywa czarne klawisze B♭, E♭, A♭, D♭ i G♭ w odczycie tekstowym; pięciolinie zachowują krzyżyki.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Przywróć &amp;domyślne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Po ciszy zaczynaj każdy dźwięk od &amp;nowa</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Po około 0,2 sekundy bez wysokości następny dźwięk jest odczytywany osobno, zamiast kontynuować średnią poprzedniego.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transpozycja</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Rozpoznawanie:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Tam, gdzie klasyczny detektor nie znajduje stałego okresu, jak w fortepianie czy chórze, drugi detektor może podać dźwięk.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczne</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Klasyczne z drugą opinią (dla fortepianu i głosu)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>N&amp;azwy dźwięków:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Jak odczyt tekstowy i czytniki ekranu nazywają dźwięki; pięciolinie są takie same przy każdym nazewnictwie.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Czarne klawisze:</translation>
    </message>
</context>
</TS>
