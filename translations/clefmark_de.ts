<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Eingangsstatus</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Abweichung in Cent</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Wie weit die Tonhöhe vom nächsten Ton entfernt ist</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Noch kein Ton</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>Der Ton im Violin- und Bassschlüssel</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Tonhöhenerkennung</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Rückt bei jeder erkannten Tonhöhe weiter</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Stimmgerät</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Warten auf den Soundserver…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Kein Eingabegerät: Wählen Sie eines in den Audioeinstellungen…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Das Eingabegerät ist nicht nutzbar</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Kann nicht zuhören: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (pausiert)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Hilfe im &amp;Web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Die Hilfeseite von Clefmark im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>&amp;Handbuch öffnen…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Das Handbuch ist nicht installiert</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Das Handbuch im Webbrowser öffnen</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Deutsch (C D E F G A H, und B für B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Solfège (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Englisch (C D E F G A B)</translation>
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
        <translation>Hört zu</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Zu leise</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Das Eingabegerät ist nicht nutzbar</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Kein Eingabegerät</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Warten auf den Soundserver</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>zu tief</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>gestimmt</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>zu hoch</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>b</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 Cent zu hoch</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 Cent zu tief</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 Cent</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>Klingend (C)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>B (Klarinette, Trompete, Sopransaxofon)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A (Klarinette)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Es-Alt (Altsaxofon)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F (Horn)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>B-Tenor (Tenorsaxofon)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Es-Bariton (Baritonsaxofon)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Gitarre und Bass</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n Halbton</numerusform>
            <numerusform>%n Halbtöne</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Clefmark läuft leider nur mit Qt %1 oder neuer.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Über Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Ein chromatisches Stimmgerät: Spielen oder singen Sie einen Ton und sehen Sie, wie weit er vom nächstgelegenen entfernt ist.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Die Website des Projekts öffnen</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © die Autoren von Clefmark.
Freie Software unter der GNU General Public License,
Version 3 oder jede spätere Version (GPL-3.0-or-later).
Ohne jegliche Gewährleistung.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Die Lizenz lesen</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Aufnahmen (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark kann „%1“ nicht abspielen: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Aufnahme öffnen</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>dieses Fenster spielt keine Dateien ab</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Hört zu: %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Diese Arbeitsumgebung erlaubt es Programmen nicht, ihr Fenster im Vordergrund zu halten.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Es wurde kein Programm für die Audioeinstellungen gefunden. Installieren Sie pavucontrol, um das Eingabegerät zu wählen.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Es wurde kein Webbrowser gefunden, um das Handbuch zu öffnen. Es liegt unter %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Es wurde kein Webbrowser gefunden, um %1 zu öffnen.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Der Kammerton muss eine ganze Zahl von %1 bis %2 Hz sein.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Hört zu: %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>klingt %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>Hertz</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; zuletzt gehört: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Clefmark-Hilfe</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Hilfe im &amp;Web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Die Hilfeseite von Clefmark im Webbrowser öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
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
        <translation>&amp;Stimmen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausieren</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>Aufnahme &amp;öffnen…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>Zum Eingang &amp;wechseln</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>&amp;Audioeinstellungen…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Anzeigeleiste</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>&amp;Farben für Farbenblinde</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>Clefmark-&amp;Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;Über Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Clefmark-Einstellungen</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>&amp;Kammerton:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>Die Frequenz des a¹ (des A über dem mittleren C), von 420 bis 460 Hz. Mit der Eingabetaste übernehmen.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (420 bis 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>&amp;Oktavsprünge ignorieren</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Einen Ton übergehen, der eine Oktave über oder unter dem gerade angezeigten gehört wird.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>Kleine &amp;Abweichung gilt als gestimmt</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Einen Ton in einem breiteren Bereich um seine Sollhöhe als gestimmt anzeigen.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Transponierung:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Die Noten so anzeigen, wie die Stimme Ihres Instruments notiert ist: Bei einer B-Trompete wird das B♭, das ein Klavier spielt, als C angezeigt.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Halbtöne von klingend zu notiert</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Notierter Ton = klingender Ton + so viele Halbtöne, von −24 bis +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>Mit Kreu&amp;z (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>Mit &amp;b (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Die schwarzen Tasten in der Anzeigeleiste B♭, E♭, A♭, D♭ und G♭ nennen; die Notensysteme behalten ihre Kreuze.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Jeden Ton nach einer Pause &amp;neu beginnen</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Nach etwa 0,2 Sekunden ohne Tonhöhe wird der nächste Ton für sich gemessen, statt den Mittelwert des vorigen fortzuführen.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transponierung</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Erkennung:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Wo die klassische Erkennung keine stabile Periode findet, etwa bei Klavier oder Chor, kann eine zweite Erkennung den Ton liefern.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Klassisch mit zweiter Meinung (für Klavier und Gesang)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>Notenna&amp;men:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Wie die Anzeigeleiste und Bildschirmleser die Töne benennen; die Notensysteme bleiben bei jeder Benennung gleich.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Schwarze Tasten:</translation>
    </message>
</context>
</TS>
