<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>输入状态</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>以音分计的偏差</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>音高离最近的音有多远</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>尚无音符</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>高音谱表和低音谱表上的音符</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>输入电平</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>音高检测</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>每检测到一个音高就前进一步</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>调音器</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>正在等待声音服务器…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>没有输入设备：请在声音设置中选择一个…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>无法使用输入设备</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>无法监听：%1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark（已暂停）</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>在线帮助(&amp;W)…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>在网页浏览器中打开 Clefmark 的帮助页面</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>打开手册(&amp;M)…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>未安装手册</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>在网页浏览器中打开手册</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>德式音名（C D E F G A H，B 即 B♭）</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>固定唱名（%1）</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>字母音名（C D E F G A B）</translation>
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
        <translation>监听中</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>声音太小</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>无法使用输入设备</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>没有输入设备</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>正在等待声音服务器</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>偏低</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>准确</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>偏高</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>升</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>降</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>高 %1 音分</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>低 %1 音分</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 音分</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>实音（C调）</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>降B调（单簧管、小号、高音萨克斯）</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A调（单簧管）</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>降E调中音（中音萨克斯）</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F调（圆号）</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>降B调次中音（次中音萨克斯）</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>降E调上低音（上低音萨克斯）</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>吉他和贝斯</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n 个半音</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>抱歉，Clefmark 只能在 Qt %1 或更高版本上运行。</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>关于 Clefmark</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>半音阶调音器：演奏或唱出一个音，即可看到它与最接近的标准音相差多少。</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>打开项目网站</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © Clefmark 作者
本软件为自由软件，依据 GNU 通用公共许可证
第 3 版或任何更高版本（GPL-3.0-or-later）发布。
不提供任何担保。</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>阅读许可证</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>录音 (%1);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark 无法播放“%1”：%2。</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>打开录音</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>此窗口不播放文件</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>正在监听 %1</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>此桌面环境不允许程序将窗口保持在其他窗口之上。</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>未找到声音设置程序。请安装 pavucontrol 以选择输入设备。</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>找不到可以打开手册的网页浏览器。手册位于 %1。</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>找不到可以打开 %1 的网页浏览器。</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>标准音高必须是 %1 到 %2 Hz 之间的整数。</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>正在监听 %1</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>实音 %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>赫兹</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1；最后听到：%2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Clefmark 帮助</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>在线帮助(&amp;W)…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>在网页浏览器中打开 Clefmark 的帮助页面</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手册</translation>
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
        <translation>调音器(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>打开录音(&amp;O)…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>监听输入(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>声音设置(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>读数栏(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>色盲友好配色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>窗口置顶(&amp;K)</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>Clefmark 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>关于 Clefmark(&amp;A)</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>首选项(&amp;E)…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Clefmark 首选项</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>标准音高(&amp;R)：</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>中央 C 上方的 A（A4）的频率，范围为 420 至 460 Hz。按回车键应用。</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz（420 至 460）</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>排除八度误判(&amp;O)</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>忽略与刚显示的音相差一个八度的音。</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>足够接近即视为准确(&amp;C)</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>在更宽的范围内将音显示为准确。</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>移调(&amp;T)：</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>按乐器声部谱上的记谱音显示：例如对于 B♭ 小号，钢琴上发出的 B♭ 显示为 C。</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>从实音到记谱音的半音数</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>记谱音 = 实音 + 此半音数，范围为 −24 至 +24。</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>升号（A♯）(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>降号（B♭）(&amp;F)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>在读数栏中将黑键称为 B♭、E♭、A♭、D♭ 和 G♭；谱表上仍使用升号。</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>恢复默认值(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>静音后每个音重新开始(&amp;N)</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>约 0.2 秒没有音高后，下一个音单独读取，而不是沿用上一个音的平均值。</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>移调</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>检测方式(&amp;E)：</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>当经典检测找不到稳定周期时（例如钢琴或合唱），第二个检测器可以给出音符。</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>经典加第二意见（适用于钢琴和人声）</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>音名(&amp;M)：</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>读数栏和屏幕阅读器如何称呼音符；无论采用哪种名称，谱表都相同。</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>黑键：</translation>
    </message>
</context>
</TS>
