<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>Состояние звукового входа</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>Отклонение в центах</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>Насколько высота отклоняется от ближайшей ноты</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>Пока нет ноты</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>Нота на нотоносцах в скрипичном и басовом ключах</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Уровень входа</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>Определение высоты</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>Сдвигается при каждой найденной высоте</translation>
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
        <translation>Ожидание звукового сервера…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>Нет устройства ввода: выберите его в настройках звука…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Устройство ввода недоступно</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>Не удаётся слушать: %1</translation>
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
        <translation>Справка в &amp;Интернете…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Открыть страницу справки Clefmark в веб-браузере</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>Открыть &amp;руководство…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>Руководство не установлено</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>Открыть руководство в веб-браузере</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>Немецкие (C D E F G A H, B вместо B♭)</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>Слоговые (%1)</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>Буквенные (C D E F G A B)</translation>
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
        <translation>Ми</translation>
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
        <translation>Си</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Listening</source>
        <comment>capture runs; nothing pitched heard lately</comment>
        <translation>Слушаю</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>Слишком тихо</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>Устройство ввода недоступно</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>Нет устройства ввода</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>Ожидание звукового сервера</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>ниже</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>чисто</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>выше</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>диез</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>бемоль</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 цента выше</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 цента ниже</translation>
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
        <translation>Строй C (реальное звучание)</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>Си-бемоль (кларнет, труба, сопрано-саксофон)</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>Ля (кларнет)</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>Ми-бемоль альт (альт-саксофон)</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>Фа (валторна)</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>Си-бемоль тенор (тенор-саксофон)</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>Ми-бемоль баритон (баритон-саксофон)</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>Гитара и бас-гитара</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n полут.</numerusform>
            <numerusform>%n полут.</numerusform>
            <numerusform>%n полут.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>К сожалению, Clefmark работает только с Qt %1 или более поздней версией.</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>О программе Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>Хроматический тюнер: сыграйте или спойте ноту и посмотрите, насколько она отклоняется от ближайшей.</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>Открыть сайт проекта</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>© Авторы Clefmark.
Свободная программа под лицензией GNU General Public License
версии 3 или любой более поздней версии (GPL-3.0-or-later).
Без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>Прочитать лицензию</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>Записи (%1);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark не может воспроизвести «%1»: %2.</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Открыть запись</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>это окно не воспроизводит файлы</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>Слушаю: %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>Эта среда рабочего стола не позволяет программе держать своё окно поверх других.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>Программа настройки звука не найдена. Установите pavucontrol, чтобы выбрать устройство ввода.</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>Не найден веб-браузер, чтобы открыть руководство. Оно находится в %1.</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>Не найден веб-браузер, чтобы открыть %1.</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>Частота ля должна быть целым числом герц от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>Слушаю: %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>звучит %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>герца</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1; последняя нота: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Справка Clefmark</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Справка в &amp;Интернете…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Открыть страницу справки Clefmark в веб-браузере</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
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
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
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
        <translation>П&amp;родолжить</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>&amp;Открыть запись…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>&amp;Слушать звуковой вход</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>Настройки &amp;звука…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>&amp;Строка показаний</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>Цвета для &amp;дальтоников</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Фактический размер</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>&amp;Поверх других окон</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>&amp;Справка по Clefmark</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>&amp;О программе Clefmark</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Параметры…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Параметры Clefmark</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>Частота &amp;ля:</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>Частота ля первой октавы, от 420 до 460 Hz. Нажмите Enter, чтобы применить.</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz (от 420 до 460)</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>Подавление &amp;октавных ошибок</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>Не учитывать ноту, услышанную на октаву выше или ниже только что показанной.</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>&amp;Небольшое отклонение считать чистым</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>Показывать ноту как чистую в более широком диапазоне вокруг неё.</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>&amp;Транспонирование:</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>Показывать ноты так, как записана партия вашего инструмента: для трубы in B♭ звук B♭ фортепиано показывается как C.</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>Полутоны от звучащей ноты до записанной</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>Записанная нота = звучащая нота + столько полутонов, от −24 до +24.</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>&amp;Диезы (A♯)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>&amp;Бемоли (B♭)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>Называть чёрные клавиши B♭, E♭, A♭, D♭ и G♭ в строке показаний; на нотных станах остаются диезы.</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;По умолчанию</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>Начинать каждую ноту &amp;заново после тишины</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>Примерно через 0,2 секунды без высоты следующая нота читается сама по себе, а не продолжает среднее предыдущей.</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>Транспонирование</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>&amp;Распознавание:</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>Там, где классический детектор не находит устойчивого периода, как у фортепиано или хора, ноту может дать второй детектор.</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классическое</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>Классическое со вторым мнением (для фортепиано и голоса)</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>Наз&amp;вания нот:</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>Как строка показаний и программы экранного доступа называют ноты; нотные станы от названий не меняются.</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Чёрные клавиши:</translation>
    </message>
</context>
</TS>
