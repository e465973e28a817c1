<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>État de l’entrée</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Écart en cents</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Écart entre la hauteur jouée et la note la plus proche</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Pas encore de note</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>La note sur les portées en clé de sol et de fa</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Niveau d’entrée</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Détection de la hauteur</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Avance à chaque hauteur trouvée</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Accordeur</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>En attente du serveur de son…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Aucun périphérique d’entrée&#xa0;: choisissez-en un dans Paramètres audio…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Le périphérique d’entrée est inutilisable</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Écoute impossible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (en pause)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Aide sur le &amp;Web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Ouvrir la page d’aide de Clefmark dans votre navigateur web</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Ouvrir le &amp;manuel…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Le manuel n’est pas installé</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Ouvrir le manuel dans votre navigateur web</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Notation allemande (C D E F G A H, et B pour B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Solfège (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Notation anglo-saxonne (C D E F G A B)</translation>
    </message>
    <message>
        <source>Do</source>
        <comment>fixed-do name of C</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Re</source>
        <comment>fixed-do name of D</comment>
        <translation>Ré</translation>
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
        <translation>À l’écoute</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Trop faible</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Le périphérique d’entrée est inutilisable</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Aucun périphérique d’entrée</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>En attente du serveur de son</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>trop bas</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>trop haut</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>dièse</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>bémol</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 cents trop haut</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 cents trop bas</translation>
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
        <translation>Ut (son réel)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>Si♭ (clarinette, trompette, saxophone soprano)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>La (clarinette)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Mi♭ alto (saxophone alto)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>Fa (cor)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>Si♭ ténor (saxophone ténor)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Mi♭ baryton (saxophone baryton)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Guitare et basse</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n demi-ton</numerusform>
            <numerusform>%n demi-tons</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Désolé, Clefmark ne fonctionne qu’avec Qt %1 ou une version ultérieure.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>À propos de Clefmark</translation>
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
        <translation>Un accordeur chromatique&#xa0;: jouez ou chantez une note et voyez de combien elle s’écarte de la plus proche.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Ouvrir le site web du projet</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © les auteurs de Clefmark.
Logiciel libre sous licence GNU General Public License,
version 3 ou toute version ultérieure (GPL-3.0-or-later).
Aucune garantie n’est fournie.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Lire la licence</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Enregistrements (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark ne peut pas lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>cette fenêtre ne lit pas de fichiers</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>À l’écoute de %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Cet environnement de bureau ne permet pas à un programme de garder sa fenêtre au-dessus des autres.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Aucun programme de paramètres audio n’a été trouvé. Installez pavucontrol pour choisir le périphérique d’entrée.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Aucun navigateur web n’a été trouvé pour ouvrir le manuel. Il se trouve ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Aucun navigateur web n’a été trouvé pour ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Le la de référence doit être un nombre entier de Hz, de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>À l’écoute de %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>sonne %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>hertz</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1&#x202f;; dernière note entendue&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Aide de Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Aide sur le &amp;Web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Ouvrir la page d’aide de Clefmark dans votre navigateur web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
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
        <translation>A&amp;ccordeur</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Suspendre</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Ouvrir un enregistrement…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>&amp;Écouter l’entrée</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>Paramètres &amp;audio…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Bandeau d’affichage</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>&amp;Couleurs adaptées aux daltoniens</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Garder au premier plan</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Aide de Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>À &amp;propos de Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Préférences de Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>&amp;La de référence&#xa0;:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>La fréquence du la au-dessus du do central, de 420 à 460&#xa0;Hz. Appuyez sur Entrée pour l’appliquer.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (420 à 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>&amp;Ignorer les sauts d’octave</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Ignorer une note entendue à une octave de celle qui vient d’être affichée.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Presque juste compte comme juste</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Afficher une note comme juste sur une plage plus large autour d’elle.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Transposition&#xa0;:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Afficher les notes telles qu’elles sont écrites dans la partie de votre instrument&#xa0;: pour une trompette en si♭, le si♭ joué par un piano s’affiche comme un do.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Demi-tons du son réel à la note écrite</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Note écrite = son réel + ce nombre de demi-tons, de −24 à +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Dièses (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Bémols (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Nommer les touches noires si♭, mi♭, la♭, ré♭ et sol♭ dans le bandeau d’affichage&#x202f;; les portées gardent leurs dièses.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Restaurer les valeurs par défaut</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Recommencer chaque &amp;note après un silence</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Après environ 0,2&#xa0;seconde sans hauteur, la note suivante est lue pour elle-même au lieu de poursuivre la moyenne de la précédente.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transposition</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>Dét&amp;ection&#xa0;:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Là où le détecteur classique ne trouve pas de période stable, comme sur un piano ou un chœur, un second détecteur peut donner la note.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Classique avec un second avis (piano et voix)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>N&amp;oms des notes&#xa0;:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Comment le bandeau d’affichage et les lecteurs d’écran nomment les notes&#xa0;; les portées restent les mêmes, quels que soient les noms.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Touches noires&#xa0;:</translation>
    </message>
</context>
</TS>
