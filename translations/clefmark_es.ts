<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Estado de la entrada</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Desviación en cents</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Cuánto se aleja la altura de la nota más cercana</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Aún no hay nota</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>La nota en los pentagramas de clave de sol y de fa</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nivel de entrada</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Detección de altura</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Avanza cada vez que se detecta una altura</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Afinador</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Esperando al servidor de sonido…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Sin dispositivo de entrada: elija uno en Ajustes de sonido…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>No se puede usar el dispositivo de entrada</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>No se puede escuchar: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (en pausa)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Ayuda en la &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Abrir la página de ayuda de Clefmark en su navegador web</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Abrir el &amp;manual…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>El manual no está instalado</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Abrir el manual en su navegador web</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Cifrado alemán (C D E F G A H, y B para B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Solfeo (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Cifrado americano (C D E F G A B)</translation>
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
        <translation>Escuchando</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Señal débil</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>No se puede usar el dispositivo de entrada</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Sin dispositivo de entrada</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Esperando al servidor de sonido</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>bajo</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>afinado</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>alto</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>sostenido</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>bemol</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cents alto</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cents bajo</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 cents</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>Do (sonido real)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>Si♭ (clarinete, trompeta, saxo soprano)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>La (clarinete)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Mi♭ alto (saxo alto)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>Fa (trompa)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>Si♭ tenor (saxo tenor)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Mi♭ barítono (saxo barítono)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Guitarra y bajo</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n semitono</numerusform>
            <numerusform>%n semitonos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Lo sentimos, Clefmark solo funciona con Qt %1 o posterior.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Acerca de Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Un afinador cromático: toque o cante una nota y vea cuánto se aleja de la más cercana.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Abrir el sitio web del proyecto</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © los autores de Clefmark.
Software libre bajo la Licencia Pública General de GNU,
versión 3 o cualquier versión posterior (GPL-3.0-or-later).
Sin ninguna garantía.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Leer la licencia</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Grabaciones (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark no puede reproducir «%1»: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Abrir grabación</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>esta ventana no reproduce archivos</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Escuchando %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Este escritorio no permite que un programa mantenga su ventana por encima de las demás.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>No se encontró ningún programa de ajustes de sonido. Instale pavucontrol para elegir el dispositivo de entrada.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>No se encontró ningún navegador web para abrir el manual. Está en %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>No se encontró ningún navegador web para abrir %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>El la de referencia debe ser un número entero de Hz entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Escuchando %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>suena %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>hercios</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; lo último oído: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Ayuda de Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Ayuda en la &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Abrir la página de ayuda de Clefmark en su navegador web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
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
        <translation>A&amp;finador</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Abrir grabación…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>&amp;Escuchar la entrada</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>Ajustes de s&amp;onido…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Barra de lectura</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>&amp;Colores aptos para daltónicos</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Mantener siempre encima</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Ayuda de Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>A&amp;cerca de Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>Pre&amp;ferencias…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Preferencias de Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>&amp;La de referencia:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>La frecuencia del la situado encima del do central, de 420 a 460 Hz. Pulse Intro para aplicarla.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (de 420 a 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>&amp;Ignorar saltos de octava</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Ignorar una nota que se oye a una octava de la que se acaba de mostrar.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Casi afinado cuenta como afinado</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Mostrar una nota como afinada en un margen más amplio a su alrededor.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Transposición:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Mostrar las notas tal como están escritas en la parte de su instrumento: para una trompeta en si♭, el si♭ que suena en un piano se muestra como do.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Semitonos de la nota real a la escrita</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Nota escrita = nota real + este número de semitonos, de −24 a +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Sostenidos (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Bemoles (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Llamar si♭, mi♭, la♭, re♭ y sol♭ a las teclas negras en la barra de lectura; los pentagramas conservan sus sostenidos.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Empezar cada &amp;nota de nuevo tras un silencio</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Tras unos 0,2 segundos sin altura, la nota siguiente se lee por sí sola en lugar de seguir con el promedio de la anterior.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transposición</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Detección:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Donde el detector clásico no encuentra un período estable, como en un piano o un coro, un segundo detector puede dar la nota.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Clásica con una segunda opinión (para piano y voz)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>No&amp;mbres de las notas:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Cómo llaman a las notas la barra de lectura y los lectores de pantalla; los pentagramas son los mismos con cualquier nombre.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Teclas negras:</translation>
    </message>
</context>
</TS>
