<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Stato dell’ingresso</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Scostamento in cent</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Quanto l’altezza si discosta dalla nota più vicina</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Ancora nessuna nota</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>La nota sui pentagrammi in chiave di violino e di basso</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Livello d’ingresso</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Rilevamento dell’altezza</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Avanza a ogni altezza rilevata</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Accordatore</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>In attesa del server audio…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Nessun dispositivo di ingresso: scegline uno in Impostazioni audio…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Il dispositivo di ingresso non è utilizzabile</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Impossibile ascoltare: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (in pausa)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Guida sul &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Apri la pagina della guida di Clefmark nel browser web</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Apri il &amp;manuale…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Il manuale non è installato</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Apri il manuale nel browser web</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Sistema tedesco (C D E F G A H, e B per B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Sistema latino (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Sistema anglosassone (C D E F G A B)</translation>
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
        <translation>In ascolto</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Troppo debole</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Il dispositivo di ingresso non è utilizzabile</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Nessun dispositivo di ingresso</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>In attesa del server audio</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>calante</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>intonato</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>crescente</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>diesis</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>bemolle</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cent crescente</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cent calante</translation>
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
        <translation>Do (suoni reali)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>Si♭ (clarinetto, tromba, sax soprano)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>La (clarinetto)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Mi♭ contralto (sax contralto)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>Fa (corno)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>Si♭ tenore (sax tenore)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Mi♭ baritono (sax baritono)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Chitarra e basso</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n semitono</numerusform>
            <numerusform>%n semitoni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Spiacenti, Clefmark funziona solo con Qt %1 o versioni successive.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Informazioni su Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Un accordatore cromatico: suona o canta una nota e guarda quanto si discosta da quella più vicina.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Apri il sito web del progetto</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © gli autori di Clefmark.
Software libero distribuito secondo la GNU General Public License,
versione 3 o qualsiasi versione successiva (GPL-3.0-or-later).
Nessuna garanzia.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Leggi la licenza</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Registrazioni (%1);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark non può riprodurre «%1»: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Apri registrazione</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>questa finestra non riproduce file</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>In ascolto: %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Questo desktop non consente a un programma di tenere la propria finestra sopra le altre.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Non è stato trovato alcun programma per le impostazioni audio. Installa pavucontrol per scegliere il dispositivo di ingresso.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Nessun browser web trovato per aprire il manuale. Si trova in %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Nessun browser web trovato per aprire %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Altra</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Il la di riferimento deve essere un numero intero di Hz da %1 a %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>In ascolto: %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>suona %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>hertz</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; ultima nota sentita: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Guida di Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Guida sul &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Apri la pagina della guida di Clefmark nel browser web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
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
        <translation>A&amp;ccordatore</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>V&amp;ista</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Apri registrazione…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>Ascolta l’&amp;ingresso</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>Impostazioni a&amp;udio…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Barra di lettura</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>&amp;Colori adatti ai daltonici</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Dimensione &amp;reale</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Rim&amp;picciolisci</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Mantieni in primo piano</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Guida di Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;Informazioni su Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>Pre&amp;ferenze…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Preferenze di Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>&amp;La di riferimento:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>L’altezza del la sopra il do centrale, da 420 a 460 Hz. Premi Invio per applicarla.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (da 420 a 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>&amp;Ignora i salti d’ottava</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Ignora una nota sentita a un’ottava di distanza da quella appena mostrata.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Quasi intonato conta come intonato</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Mostra una nota come intonata in un intervallo più ampio attorno ad essa.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Trasposizione:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Mostra le note come sono scritte nella parte del tuo strumento: per una tromba in si♭, il si♭ suonato da un pianoforte appare come do.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Semitoni dal suono reale alla nota scritta</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Nota scritta = suono reale + questo numero di semitoni, da −24 a +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Diesis (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Bemolle (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Chiama i tasti neri si♭, mi♭, la♭, re♭ e sol♭ nella barra di lettura; i pentagrammi mantengono i diesis.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Ricomincia ogni &amp;nota dopo un silenzio</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Dopo circa 0,2 secondi senza altezza, la nota successiva viene letta da sola invece di proseguire la media della precedente.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Trasposizione</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>Ril&amp;evamento:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Dove il rilevatore classico non trova un periodo stabile, come su un pianoforte o un coro, un secondo rilevatore può indicare la nota.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Classico con un secondo parere (per pianoforte e voce)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>N&amp;omi delle note:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Come la barra di lettura e i lettori di schermo chiamano le note; i pentagrammi restano gli stessi con qualunque nome.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Tasti neri:</translation>
    </message>
</context>
</TS>
