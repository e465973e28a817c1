<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Invoerstatus</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Afwijking in cent</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Hoe ver de toonhoogte van de dichtstbijzijnde noot ligt</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Nog geen noot</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>De noot op de notenbalken met g- en f-sleutel</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Ingangsniveau</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Toonhoogtedetectie</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Gaat een stap verder bij elke gevonden toonhoogte</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Stemapparaat</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Wachten op de geluidsserver…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Geen invoerapparaat: kies er een in Geluidsinstellingen…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Het invoerapparaat kan niet worden gebruikt</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Kan niet luisteren: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (gepauzeerd)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Help op het &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>De helppagina van Clefmark in de webbrowser openen</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>&amp;Handleiding openen…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>De handleiding is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>De handleiding in de webbrowser openen</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Duits (C D E F G A H, en B voor B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Solfège (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Letternamen (C D E F G A B)</translation>
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
        <translation>Luisteren</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Te zacht</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Het invoerapparaat kan niet worden gebruikt</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Geen invoerapparaat</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Wachten op de geluidsserver</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>te laag</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>zuiver</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>te hoog</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>kruis</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>mol</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cent te hoog</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cent te laag</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 cent</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>Klinkend (C)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>Bes (klarinet, trompet, sopraansax)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A (klarinet)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Es alt (altsax)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F (hoorn)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>Bes tenor (tenorsax)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Es bariton (baritonsax)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Gitaar en basgitaar</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n halve toon</numerusform>
            <numerusform>%n halve tonen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Helaas, Clefmark werkt alleen met Qt %1 of nieuwer.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Over Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Een chromatisch stemapparaat: speel of zing een noot en zie hoe ver die van de dichtstbijzijnde noot af zit.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>De website van het project openen</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © de auteurs van Clefmark.
Vrije software onder de GNU General Public License,
versie 3 of een latere versie (GPL-3.0-or-later).
Zonder enige garantie.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>De licentie lezen</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Opnamen (%1);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark kan “%1” niet afspelen: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Opname openen</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>dit venster speelt geen bestanden af</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Luistert naar %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Deze desktop staat niet toe dat een programma zijn venster boven de andere houdt.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Er is geen programma voor geluidsinstellingen gevonden. Installeer pavucontrol om het invoerapparaat te kiezen.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Er is geen webbrowser gevonden om de handleiding te openen. Die staat in %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Er is geen webbrowser gevonden om %1 te openen.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Anders</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>De stemtoon A moet een geheel aantal Hz van %1 tot %2 zijn.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Luistert naar %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>klinkt %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>hertz</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; laatst gehoord: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Help bij Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Help op het &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>De helppagina van Clefmark in de webbrowser openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handleiding</translation>
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
        <translation>&amp;Stemmen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauzeren</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Hervatten</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Opname openen…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>Naar &amp;invoer luisteren</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>&amp;Geluidsinstellingen…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Tekstregel</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>&amp;Kleurenblindvriendelijke kleuren</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Werkelijke grootte</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Altijd bovenop</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Help bij Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;Over Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Voorkeuren…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Clefmark-voorkeuren</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>&amp;Stemtoon A:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>De toonhoogte van de A boven de centrale C, van 420 tot 460 Hz. Druk op Enter om toe te passen.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (420 tot 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>&amp;Octaafonderdrukking</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Negeert een noot die een octaaf hoger of lager klinkt dan de zojuist getoonde.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Bijna zuiver telt als zuiver</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Toont een noot als zuiver binnen een ruimer bereik eromheen.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Transpositie:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Toont de noten zoals de partij van je instrument genoteerd is: bij een trompet in B♭ wordt de B♭ die een piano laat klinken als C getoond.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Halve tonen van klinkend naar genoteerd</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Genoteerde noot = klinkende noot + dit aantal halve tonen, van −24 tot +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Kruisen (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Mollen (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Noemt de zwarte toetsen B♭, E♭, A♭, D♭ en G♭ in de tekstregel; de notenbalken houden hun kruisen.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Standaard&amp;waarden herstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Elke toon na stilte op&amp;nieuw beginnen</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Na ongeveer 0,2 seconde zonder toonhoogte wordt de volgende toon op zichzelf gelezen in plaats van het gemiddelde van de vorige voort te zetten.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transpositie</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Detectie:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Waar de klassieke detectie geen vaste periode vindt, zoals bij een piano of een koor, kan een tweede detectie de toon geven.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Klassiek met een tweede mening (voor piano en zang)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>Nootn&amp;amen:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Hoe de tekstregel en schermlezers de noten noemen; de notenbalken blijven hetzelfde, welke namen u ook kiest.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Zwarte toetsen:</translation>
    </message>
</context>
</TS>
