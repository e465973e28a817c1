<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Estado da entrada</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Desvio em cents</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Quanto a altura se afasta da nota mais próxima</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Nenhuma nota ainda</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>A nota nas pautas de clave de sol e de fá</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nível de entrada</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Detecção de altura</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Avança a cada altura encontrada</translation>
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
        <translation>Aguardando o servidor de som…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Nenhum dispositivo de entrada: escolha um em Configurações de som…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>O dispositivo de entrada não pode ser usado</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Não é possível ouvir: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (pausado)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Ajuda na &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Abrir a página de ajuda do Clefmark no navegador</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Abrir o &amp;manual…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>O manual não está instalado</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Abrir o manual no navegador</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Alemão (C D E F G A H, com B para B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Solfejo (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Letras (C D E F G A B)</translation>
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
        <translation>Ouvindo</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Sinal fraco</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>O dispositivo de entrada não pode ser usado</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Nenhum dispositivo de entrada</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Aguardando o servidor de som</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>baixo</translation>
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
        <translation>sustenido</translation>
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
        <translation>%1 cents baixo</translation>
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
        <translation>Som real (C)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>B♭ (clarinete, trompete, sax soprano)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A (clarinete)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>E♭ alto (sax alto)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F (trompa)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>B♭ tenor (sax tenor)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>E♭ barítono (sax barítono)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Violão e baixo</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n semitom</numerusform>
            <numerusform>%n semitons</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>Desculpe, o Clefmark só funciona com o Qt %1 ou posterior.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Sobre o Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Um afinador cromático: toque ou cante uma nota e veja a que distância ela está da nota mais próxima.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Abrir o site do projeto</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © os autores do Clefmark.
Software livre sob a Licença Pública Geral GNU,
versão 3 ou qualquer versão posterior (GPL-3.0-or-later).
Não há nenhuma garantia.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Ler a licença</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Gravações (%1);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>O Clefmark não consegue reproduzir “%1”: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Abrir gravação</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>esta janela não reproduz arquivos</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Ouvindo %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Este ambiente gráfico não permite que um programa mantenha sua janela acima das outras.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Nenhum programa de configurações de som foi encontrado. Instale o pavucontrol para escolher o dispositivo de entrada.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Nenhum navegador foi encontrado para abrir o manual. Ele está em %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Nenhum navegador foi encontrado para abrir %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>O A de referência deve ser um número inteiro de Hz de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Ouvindo %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>soa %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>hertz</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; última nota ouvida: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Ajuda do Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Ajuda na &amp;web…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Abrir a página de ajuda do Clefmark no navegador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>&amp;Afinador</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
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
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Abrir gravação…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>&amp;Ouvir a entrada</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>&amp;Configurações de som…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Linha de texto</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>Cores seguras para &amp;daltônicos</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
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
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Sempre acima</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Ajuda do Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;Sobre o Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>Pr&amp;eferências…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Preferências do Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>A de &amp;referência:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>A altura da nota A acima do C central, de 420 a 460 Hz. Pressione Enter para aplicar.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (420 a 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>Rejeição de &amp;oitava</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Ignora uma nota ouvida uma oitava acima ou abaixo da que acabou de ser mostrada.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>Considerar &amp;quase afinado como afinado</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Mostra uma nota como afinada numa faixa mais ampla ao redor dela.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Transposição:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Mostra as notas como estão escritas na parte do seu instrumento: para um trompete em B♭, o B♭ que soa no piano aparece como C.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Semitons do som real para a escrita</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Nota escrita = nota real + este número de semitons, de −24 a +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Sustenidos (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Bemóis (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Chama as teclas pretas de B♭, E♭, A♭, D♭ e G♭ na linha de texto; as pautas mantêm os sustenidos.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Restaurar &amp;padrões</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Começar cada &amp;nota do zero após silêncio</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Após cerca de 0,2 segundo sem altura, a próxima nota é lida sozinha em vez de continuar a média da anterior.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Transposição</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Detecção:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Onde o detector clássico não encontra um período estável, como em um piano ou em um coro, um segundo detector pode dar a nota.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássica</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Clássica com uma segunda opinião (para piano e voz)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>No&amp;mes das notas:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Como a linha de texto e os leitores de tela chamam as notas; as pautas são as mesmas, seja qual for o nome.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Teclas pretas:</translation>
    </message>
</context>
</TS>
