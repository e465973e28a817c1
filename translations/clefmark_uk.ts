<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Стан звукового входу</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Відхилення в центах</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Наскільки висота відхиляється від найближчої ноти</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Ще немає ноти</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>Нота на нотних станах у скрипковому та басовому ключах</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Рівень входу</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Визначення висоти</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Зсувається з кожною знайденою висотою</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Тюнер</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>Очікування звукового сервера…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Немає пристрою введення: виберіть його в параметрах звуку…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Пристрій введення недоступний</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Не вдається слухати: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark (пауза)</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Довідка в &amp;Інтернеті…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Відкрити сторінку довідки Clefmark у веб-браузері</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Відкрити &amp;посібник…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Посібник не встановлено</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Відкрити посібник у веб-браузері</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Німецькі (C D E F G A H, B замість B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Складові (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Літерні (C D E F G A B)</translation>
    </message>
    <message>
        <source>Do</source>
        <comment>fixed-do name of C</comment>
        <translation>До</translation>
    </message>
    <message>
        <source>Re</source>
        <comment>fixed-do name of D</comment>
        <translation>Ре</translation>
    </message>
    <message>
        <source>Mi</source>
        <comment>fixed-do name of E</comment>
        <translation>Мі</translation>
    </message>
    <message>
        <source>Fa</source>
        <comment>fixed-do name of F</comment>
        <translation>Фа</translation>
    </message>
    <message>
        <source>Sol</source>
        <comment>fixed-do name of G</comment>
        <translation>Соль</translation>
    </message>
    <message>
        <source>La</source>
        <comment>fixed-do name of A</comment>
        <translation>Ля</translation>
    </message>
    <message>
        <source>Si</source>
        <comment>fixed-do name of B</comment>
        <translation>Сі</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Listening</source>
        <comment>capture runs; nothing pitched heard lately</comment>
        <translation>Слухаю</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Надто тихо</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Пристрій введення недоступний</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Немає пристрою введення</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Очікування звукового сервера</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>нижче</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>чисто</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>вище</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>дієз</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>бемоль</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 цента вище</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 цента нижче</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 цента</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>Стрій C (реальне звучання)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>Сі-бемоль (кларнет, труба, сопрано-саксофон)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>Ля (кларнет)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Мі-бемоль альт (альт-саксофон)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>Фа (валторна)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>Сі-бемоль тенор (тенор-саксофон)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Мі-бемоль баритон (баритон-саксофон)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Гітара й бас-гітара</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n півт.</numerusform>
            <numerusform>%n півт.</numerusform>
            <numerusform>%n півт.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>На жаль, Clefmark працює лише з Qt %1 або новішою версією.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Про Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Хроматичний тюнер: зіграйте або заспівайте ноту й подивіться, наскільки вона відхиляється від найближчої.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Відкрити сайт проєкту</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>© Автори Clefmark.
Вільна програма за ліцензією GNU General Public License
версії 3 або будь-якої пізнішої версії (GPL-3.0-or-later).
Жодних гарантій не надається.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Прочитати ліцензію</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Записи (%1);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark не може відтворити «%1»: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Відкрити запис</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>це вікно не відтворює файли</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Слухаю: %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Це стільничне середовище не дозволяє програмі тримати своє вікно над іншими.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Програму налаштування звуку не знайдено. Установіть pavucontrol, щоб вибрати пристрій введення.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Не знайдено веббраузера, щоб відкрити посібник. Він розташований у %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Не знайдено веббраузера, щоб відкрити %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Інше</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Частота ля має бути цілим числом герц від %1 до %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Слухаю: %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>звучить %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>герца</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; остання нота: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Довідка Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Довідка в &amp;Інтернеті…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Відкрити сторінку довідки Clefmark у веб-браузері</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Посібник</translation>
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
        <translation>&amp;Тюнер</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>П&amp;родовжити</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Відкрити запис…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>&amp;Слухати звуковий вхід</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>Параметри &amp;звуку…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Рядок показань</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>Кольори для &amp;дальтоніків</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Справжній розмір</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>З&amp;більшити</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>З&amp;меншити</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Над іншими вікнами</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Довідка Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;Про Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Налаштування…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Налаштування Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>Частота &amp;ля:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>Частота ля першої октави, від 420 до 460 Hz. Натисніть Enter, щоб застосувати.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (від 420 до 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>Придушення &amp;октавних помилок</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Не враховувати ноту, почуту на октаву вище чи нижче від щойно показаної.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Невелике відхилення вважати чистим</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Показувати ноту як чисту в ширшому діапазоні навколо неї.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Транспонування:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Показувати ноти так, як записано партію вашого інструмента: для труби in B♭ звук B♭ фортепіано показується як C.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Півтони від звучання до запису</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Записана нота = нота, що звучить, + стільки півтонів, від −24 до +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Дієзи (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Бемолі (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Називати чорні клавіші B♭, E♭, A♭, D♭ і G♭ у рядку показань; на нотних станах лишаються дієзи.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Відновити типові</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Починати кожну ноту &amp;заново після тиші</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Приблизно через 0,2 секунди без висоти наступна нота читається окремо, а не продовжує середнє попередньої.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Транспонування</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Розпізнавання:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Там, де класичний детектор не знаходить сталого періоду, як у фортепіано чи хору, ноту може дати другий детектор.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Класичне</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Класичне з другою думкою (для фортепіано й голосу)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>Н&amp;азви нот:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Як рядок показань і програми читання з екрана називають ноти; нотні стани від назв не змінюються.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Чорні клавіші:</translation>
    </message>
</context>
</TS>
