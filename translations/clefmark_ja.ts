<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation>入力の状態</translation>
    </message>
</context>
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Deviation in cents</source>
        <translation>セント単位のずれ</translation>
    </message>
    <message>
        <source>How far the pitch lies from the nearest note</source>
        <translation>ピッチが最も近い音からどれだけ離れているか</translation>
    </message>
    <message>
        <source>No note yet</source>
        <translation>まだ音がありません</translation>
    </message>
    <message>
        <source>The note on the treble and bass staves</source>
        <translation>ト音記号とヘ音記号の譜表上の音</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>入力レベル</translation>
    </message>
    <message>
        <source>Pitch detection</source>
        <translation>ピッチ検出</translation>
    </message>
    <message>
        <source>Steps each time a pitch is found</source>
        <translation>ピッチが見つかるたびに進みます</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>チューナー</translation>
    </message>
</context>
<context>
    <name>CaptureStatus</name>
    <message>
        <source>Waiting for the sound server…</source>
        <translation>サウンドサーバーを待っています…</translation>
    </message>
    <message>
        <source>No input device: choose one in Sound Settings…</source>
        <translation>入力デバイスがありません: サウンド設定で選んでください…</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>入力デバイスを使用できません</translation>
    </message>
    <message>
        <source>Cannot listen: %1</source>
        <translation>聴くことができません: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Clefmark (Paused)</source>
        <translation>Clefmark（一時停止中）</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Web のヘルプ(&amp;W)…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Clefmark のヘルプページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation>マニュアルを開く(&amp;M)…</translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation>マニュアルがインストールされていません</translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation>マニュアルを Web ブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation>ドイツ音名（C D E F G A H、B♭ は B）</translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation>固定ド（%1）</translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation>英語音名（C D E F G A B）</translation>
    </message>
    <message>
        <source>Do</source>
        <comment>fixed-do name of C</comment>
        <translation>ド</translation>
    </message>
    <message>
        <source>Re</source>
        <comment>fixed-do name of D</comment>
        <translation>レ</translation>
    </message>
    <message>
        <source>Mi</source>
        <comment>fixed-do name of E</comment>
        <translation>ミ</translation>
    </message>
    <message>
        <source>Fa</source>
        <comment>fixed-do name of F</comment>
        <translation>ファ</translation>
    </message>
    <message>
        <source>Sol</source>
        <comment>fixed-do name of G</comment>
        <translation>ソ</translation>
    </message>
    <message>
        <source>La</source>
        <comment>fixed-do name of A</comment>
        <translation>ラ</translation>
    </message>
    <message>
        <source>Si</source>
        <comment>fixed-do name of B</comment>
        <translation>シ</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Listening</source>
        <comment>capture runs; nothing pitched heard lately</comment>
        <translation>入力待ち</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation>音が小さすぎます</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation>入力デバイスを使用できません</translation>
    </message>
    <message>
        <source>No input device</source>
        <translation>入力デバイスがありません</translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation>サウンドサーバーを待っています</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation>低い</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>合っている</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation>高い</translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>spoken accidental</comment>
        <translation>シャープ</translation>
    </message>
    <message>
        <source>flat</source>
        <comment>spoken accidental</comment>
        <translation>フラット</translation>
    </message>
    <message>
        <source>%1 cents sharp</source>
        <translation>%1 セント高い</translation>
    </message>
    <message>
        <source>%1 cents flat</source>
        <translation>%1 セント低い</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 セント</translation>
    </message>
</context>
<context>
    <name>Transposition</name>
    <message>
        <source>Concert pitch</source>
        <translation>実音（C）</translation>
    </message>
    <message>
        <source>B♭ (clarinet, trumpet, soprano sax)</source>
        <translation>B♭管（クラリネット、トランペット、ソプラノサックス）</translation>
    </message>
    <message>
        <source>A (clarinet)</source>
        <translation>A管（クラリネット）</translation>
    </message>
    <message>
        <source>E♭ alto (alto sax)</source>
        <translation>E♭アルト（アルトサックス）</translation>
    </message>
    <message>
        <source>F (horn)</source>
        <translation>F管（ホルン）</translation>
    </message>
    <message>
        <source>B♭ tenor (tenor sax)</source>
        <translation>B♭テナー（テナーサックス）</translation>
    </message>
    <message>
        <source>E♭ baritone (baritone sax)</source>
        <translation>E♭バリトン（バリトンサックス）</translation>
    </message>
    <message>
        <source>Guitar and bass</source>
        <translation>ギターとベース</translation>
    </message>
    <message numerus="yes">
        <source>%n semitone(s)</source>
        <comment>the unit after the number in the transposition box</comment>
        <translation>
            <numerusform>%n 半音</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation>申し訳ありませんが、Clefmark の実行には Qt %1 以降が必要です。</translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation>Clefmark について</translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation>Clefmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation>クロマチックチューナー：楽器を弾くか歌うと、いちばん近い音からどれだけずれているかがわかります。</translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation>プロジェクトの Web サイトを開きます</translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation>Copyright © Clefmark の作者
GNU General Public License バージョン 3 以降
（GPL-3.0-or-later）に基づくフリーソフトウェアです。
無保証です。</translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation>ライセンスを表示します</translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation>録音ファイル (%1);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation>Clefmark は「%1」を再生できません：%2。</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>録音ファイルを開く</translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation>このウィンドウではファイルを再生できません</translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation>%1 を聴いています</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation>このデスクトップ環境では、ウィンドウを常に手前に表示できません。</translation>
    </message>
    <message>
        <source>No sound settings program was found. Install pavucontrol to choose the input device.</source>
        <translation>サウンド設定のプログラムが見つかりません。入力デバイスを選ぶには pavucontrol をインストールしてください。</translation>
    </message>
</context>
<context>
    <name>clefmark::HelpPanel</name>
    <message>
        <source>No web browser was found to open the manual. It is at %1.</source>
        <translation>マニュアルを開くWebブラウザーが見つかりません。マニュアルは %1 にあります。</translation>
    </message>
    <message>
        <source>No web browser was found to open %1.</source>
        <translation>%1 を開くWebブラウザーが見つかりません。</translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>The A-Reference must be a whole number of Hz from %1 to %2.</source>
        <translation>基準ピッチは %1～%2 Hz の整数で指定してください。</translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation>%1 を聴いています</translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation>実音 %1</translation>
    </message>
    <message>
        <source>hertz</source>
        <translation>ヘルツ</translation>
    </message>
    <message>
        <source>%1; last heard %2</source>
        <translation>%1。最後に聞こえた音: %2</translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation>Clefmark ヘルプ</translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation>Web のヘルプ(&amp;W)…</translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation>Clefmark のヘルプページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
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
        <translation>調律(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation>録音ファイルを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation>入力を聴く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation>サウンド設定(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation>数値表示(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation>色覚に配慮した配色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation>常に手前に表示(&amp;K)</translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation>Clefmark ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation>Clefmark について(&amp;A)</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>環境設定(&amp;E)…</translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation>Clefmark 環境設定</translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation>基準ピッチ(&amp;R):</translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation>中央 C のすぐ上の A（A4）の高さを 420〜460 Hz で指定します。Enter キーを押すと適用されます。</translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation>Hz（420〜460）</translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation>オクターブ違いを除外(&amp;O)</translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation>直前に表示した音と 1 オクターブ違う音を無視します。</translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation>わずかなずれは合っているとみなす(&amp;C)</translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation>合っていると表示する範囲を広げます。</translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation>移調(&amp;T):</translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation>楽器のパート譜に書かれる音で表示します。たとえば B♭ トランペットでは、ピアノで鳴る B♭ が C と表示されます。</translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation>実音から記譜音までの半音数</translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation>記譜音 = 実音 + この半音数（−24〜+24）。</translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation>シャープ（A♯）(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation>フラット（B♭）(&amp;F)</translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation>数値表示では黒鍵を B♭、E♭、A♭、D♭、G♭ と表記します。譜表はシャープのままです。</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>既定値に戻す(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Start each note &amp;afresh after silence</source>
        <translation>無音の後は各音を新しく読み取る(&amp;N)</translation>
    </message>
    <message>
        <source>After about 0.2 seconds without a pitch, read the next note on its own instead of going on with the average of the last.</source>
        <translation>ピッチのない状態が約0.2秒続いた後は、前の音の平均を引き継がず、次の音を単独で読み取ります。</translation>
    </message>
    <message>
        <source>Transposition</source>
        <translation>移調</translation>
    </message>
    <message>
        <source>D&amp;etection:</source>
        <translation>検出方式(&amp;E):</translation>
    </message>
    <message>
        <source>Where the classic detector finds no steady period, as on a piano or a choir, a second detector may give the note.</source>
        <translation>ピアノや合唱のように標準の検出方式が安定した周期を見つけられない場合に、第2の検出方式が音を示します。</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Classic with a second opinion (for piano and voice)</source>
        <translation>標準＋セカンドオピニオン（ピアノと声向け）</translation>
    </message>
    <message>
        <source>Note &amp;names:</source>
        <translation>音名(&amp;M):</translation>
    </message>
    <message>
        <source>How the readout and screen readers name notes; the staves are the same whatever the names.</source>
        <translation>数値表示とスクリーンリーダーでの音名の呼び方です。譜表はどの呼び方でも同じです。</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>黒鍵:</translation>
    </message>
</context>
</TS>
