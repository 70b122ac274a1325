<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../../src/app/aboutdlg.cpp" line="15"/>
        <source>QUARNIX Cuelist Studio Version Information</source>
        <translation>QUARNIX Cuelist Studio のバージョン情報</translation>
    </message>
    <message>
        <location filename="../../src/app/aboutdlg.cpp" line="21"/>
        <source>QUARNIX Cuelist Studio Version. %1</source>
        <translation>QUARNIX Cuelist Studio バージョン %1</translation>
    </message>
    <message>
        <location filename="../../src/app/aboutdlg.cpp" line="23"/>
        <source>Free software under the GNU General Public License, version 3 or later (%1).</source>
        <translation>GNU 一般公衆利用許諾書 バージョン 3 以降 (%1) のもとで配布されるフリーソフトウェアです。</translation>
    </message>
</context>
<context>
    <name>CCueApp</name>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="94"/>
        <source>Unable to open %1.
%2</source>
        <translation>%1 を開けません。
%2</translation>
    </message>
    <message>
        <location filename="../../src/app/cueapp.cpp" line="149"/>
        <source>Open this playlist</source>
        <translation>このプレイリストを開きます</translation>
    </message>
    <message>
        <location filename="../../src/app/cueapp.cpp" line="156"/>
        <source>Recently used file</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="38"/>
        <source>PlayList%1</source>
        <translation>PlayList%1</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="47"/>
        <source>PlayList(*.slp)</source>
        <translation>プレイリスト(*.slp)</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="48"/>
        <source>All Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="49"/>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="76"/>
        <source>The opened playlist includes unknown file type in the setup frame.  Are you sure the application deletes the unknown files?</source>
        <translation>開いたプレイリストの設定枠に不明なファイル種別が含まれています。  不明なファイルを削除してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="79"/>
        <source>The opened playlist includes unknow channel numbers. Are you sure the application deletes these messages of unknown channel numbers? </source>
        <translation>開いたプレイリストに不明なチャンネル番号が含まれています。不明なチャンネル番号のデータを削除してもよろしいですか? </translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../src/app/mainframe.cpp" line="61"/>
        <source>QUARNIX Cuelist Studio</source>
        <translation>QUARNIX Cuelist Studio</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="54"/>
        <source>File Toolbar</source>
        <translation>ファイル ツールバー</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="58"/>
        <source>Edit Toolbar</source>
        <translation>編集ツールバー</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="78"/>
        <source>Ready</source>
        <translation>レディ</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="37"/>
        <location filename="../../src/app/mainframemenus.cpp" line="45"/>
        <source>File(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="40"/>
        <location filename="../../src/app/mainframemenus.cpp" line="54"/>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="42"/>
        <location filename="../../src/app/mainframemenus.cpp" line="59"/>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="49"/>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="97"/>
        <source>Play time of the channel under the cursor</source>
        <translation>カーソル位置のチャンネルの再生時間</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../src/app/commandline.cpp" line="49"/>
        <source>Edits the playlists (.slp) of a sound and announcement playback device.</source>
        <translation>音声・アナウンス再生装置のプレイリスト (.slp) を編集します。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="56"/>
        <source>Start a separate editor instead of handing the files to the running one.</source>
        <translation>実行中のエディタにファイルを渡さず、別のエディタを起動します。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="60"/>
        <source>Playlists to open, each in a window of its own.</source>
        <translation>開くプレイリスト。それぞれ別のウィンドウで開きます。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="48"/>
        <source>Usage: %1 [options] [FILE.slp...]</source>
        <translation>使い方: %1 [オプション] [ファイル.slp...]</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="51"/>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="52"/>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="54"/>
        <source>Show the version number and exit.</source>
        <translation>バージョン番号を表示して終了します。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="58"/>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="62"/>
        <source>Qt&apos;s display options (-platform, -style, -reverse, ...) are accepted and passed on.</source>
        <translation>Qt の表示オプション (-platform、-style、-reverse など) も指定できます。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="92"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション &apos;%1&apos; です。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="96"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="44"/>
        <source>Print(&amp;P)...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="45"/>
        <source>Print the cue sheet of the active PlayList
 Print</source>
        <translation>アクティブなプレイリストのキューシートを印刷します
 印刷</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="47"/>
        <source>Print Preview(&amp;R)...</source>
        <translation>印刷プレビュー(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="48"/>
        <source>Show the pages of the cue sheet
 Print Preview</source>
        <translation>キューシートのページを表示します
 印刷プレビュー</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="50"/>
        <source>Export PDF(&amp;D)...</source>
        <translation>PDF 書き出し(&amp;D)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="51"/>
        <source>Write the cue sheet as a PDF file
 Export PDF</source>
        <translation>キューシートを PDF ファイルに書き出します
 PDF 書き出し</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="55"/>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="56"/>
        <source>Undo the last edit
 Undo</source>
        <translation>直前の編集を元に戻します
元に戻す</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="57"/>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="58"/>
        <source>Redo the edit undone last
 Redo</source>
        <translation>元に戻した編集をやり直します
やり直し</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="25"/>
        <source>New PlayList(&amp;N)</source>
        <translation>新規プレイリスト(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="26"/>
        <source>Create a new PlayList 
 New PlayList</source>
        <translation>新しいプレイリストを作成します
新規プレイリスト</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="27"/>
        <source>Open PlayList(&amp;O)...</source>
        <translation>プレイリストを開く(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="28"/>
        <source>Open an existing PlayList 
 Open</source>
        <translation>既存のプレイリストを開きます
開く</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="29"/>
        <source>Close(&amp;C)</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="30"/>
        <source>Close active playlist 
 Close</source>
        <translation>作業中のプレイリストを閉じます
閉じる</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="31"/>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="32"/>
        <source>Save the active PlayList 
 Save</source>
        <translation>作業中のプレイリストを上書き保存します
上書き保存</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="33"/>
        <source>Save As(&amp;A)</source>
        <translation>名前を付けて保存(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="34"/>
        <source>Save the active PlayList with a new name
 Save As</source>
        <translation>作業中のプレイリストに名前を付けて保存します
名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="36"/>
        <source>CSV File Output(&amp;V)</source>
        <translation>CSV ファイル出力(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="37"/>
        <source>Output the file name of playlist as CSV format 
 CSV Output</source>
        <translation>プレイリストのファイル名を CSV 形式で出力します
CSV 出力</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="53"/>
        <source>Exit(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="54"/>
        <source>Exit application and save playlist 
 Exit</source>
        <translation>プレイリストを保存してアプリケーションを終了します
終了</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="59"/>
        <source>Select File(&amp;F)</source>
        <translation>ファイル選択(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="60"/>
        <source>Select the file to be defined as phrase frame
 Select File</source>
        <translation>設定枠に割り当てるファイルを選択します
ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="62"/>
        <source>Cut(&amp;T)    Ctrl+X</source>
        <translation>切り取り(&amp;T)    Ctrl+X</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="63"/>
        <source>Cut the phrase and save on clipboard
 Cut</source>
        <translation>フレーズを切り取ってクリップボードに保存します
切り取り</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="64"/>
        <source>Copy(&amp;C)        Ctrl+C</source>
        <translation>コピー(&amp;C)        Ctrl+C</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="65"/>
        <source>Copy the phrase and save on clipboard
 Copy</source>
        <translation>フレーズをコピーしてクリップボードに保存します
コピー</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="67"/>
        <source>Paste(&amp;P)    Ctrl+V</source>
        <translation>貼り付け(&amp;P)    Ctrl+V</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="68"/>
        <source>Paste the clipboard phrase
 Paste</source>
        <translation>クリップボードのフレーズを貼り付けます
貼り付け</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="69"/>
        <source>Delete(&amp;D)        DEL</source>
        <translation>削除(&amp;D)        DEL</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="70"/>
        <source>Delete the phrase
 Delete</source>
        <translation>フレーズを削除します
削除</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="71"/>
        <source>Open File Contents(&amp;L)</source>
        <translation>ファイル内容を開く(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="72"/>
        <source>Display and modify settings
Open contents</source>
        <translation>設定内容を表示して変更します
内容を開く</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="74"/>
        <source>Play Channel(&amp;W)  Ctrl+W</source>
        <translation>チャンネル再生(&amp;W)  Ctrl+W</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="75"/>
        <source>Play the setup data 
 Play</source>
        <translation>設定データを再生します
再生</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="131"/>
        <source>Status Bar(&amp;B)</source>
        <translation>ステータス バー(&amp;B)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="132"/>
        <source>Display/hide the status bar
 Status Bar&apos;s Display Switch</source>
        <translation>ステータス バーの表示/非表示を切り替えます
ステータス バーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="134"/>
        <location filename="../../src/app/appcommands.cpp" line="185"/>
        <source>File Toolbar(&amp;I)</source>
        <translation>ファイル ツールバー(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="135"/>
        <source>Display/hide File Toolbar
 File Toolbar&apos;s Display Switch</source>
        <translation>ファイル ツールバーの表示/非表示を切り替えます
ファイル ツールバーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="137"/>
        <location filename="../../src/app/appcommands.cpp" line="188"/>
        <source>Edit Toolbar(&amp;U)</source>
        <translation>編集ツールバー(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="138"/>
        <source>Display/hide Edit Toolbar
 Edit Toolbar&apos;s Display Switch</source>
        <translation>編集ツールバーの表示/非表示を切り替えます
編集ツールバーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="140"/>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="141"/>
        <source>Open the help
 Help</source>
        <translation>ヘルプを開きます
ヘルプ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="142"/>
        <source>Version Information(&amp;R)</source>
        <translation>バージョン情報(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="143"/>
        <source>Display program informaition
Version Information</source>
        <translation>プログラムの情報を表示します
バージョン情報</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="186"/>
        <source>File Bar(&amp;I)</source>
        <translation>ファイル バー(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="189"/>
        <source>Edit Bar(&amp;U)</source>
        <translation>編集バー(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="76"/>
        <source>Find Missing Files(&amp;M)...</source>
        <translation>見つからないファイルの検索(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="77"/>
        <source>List the files missing from the data folder and relink them
 Find Missing Files</source>
        <translation>dataフォルダにないファイルを一覧表示して再リンクします
 見つからないファイルの検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="39"/>
        <source>Export to Card(&amp;E)...</source>
        <translation>カードへエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="40"/>
        <source>Copy the playlist and the MP3 files it names to a memory card, verified
 Export to Card</source>
        <translation>プレイリストと使用するMP3ファイルをメモリーカードにコピーして検証します
 カードへエクスポート</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="81"/>
        <source>Find(&amp;I)...</source>
        <translation>検索(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="82"/>
        <source>Find the slots that use a file
 Find</source>
        <translation>ファイルを使っている設定枠を検索します
 検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="83"/>
        <source>Find Next(&amp;N)</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="84"/>
        <source>Go to the next slot that uses the file
 Find Next</source>
        <translation>そのファイルを使っている次の設定枠へ移動します
 次を検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="86"/>
        <source>Find Previous(&amp;V)</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="87"/>
        <source>Go to the previous slot that uses the file
 Find Previous</source>
        <translation>そのファイルを使っている前の設定枠へ移動します
 前を検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="89"/>
        <source>Relink File(&amp;K)...</source>
        <translation>ファイルの再リンク(&amp;K)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="90"/>
        <source>Name another file of the data folder in every slot that uses the missing file under the cursor
 Relink File</source>
        <translation>カーソル位置の見つからないファイルを使っているすべての設定枠に、dataフォルダの別のファイルを設定します
 ファイルの再リンク</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="94"/>
        <source>Zoom In(&amp;Z)</source>
        <translation>拡大(&amp;Z)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="95"/>
        <source>Show the grid larger
 Zoom In</source>
        <translation>グリッドを大きく表示します
 拡大</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="96"/>
        <source>Zoom Out(&amp;O)</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="97"/>
        <source>Show the grid smaller
 Zoom Out</source>
        <translation>グリッドを小さく表示します
 縮小</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="98"/>
        <source>Actual Size(&amp;A)</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="99"/>
        <source>Show the grid at its actual size
 Actual Size</source>
        <translation>グリッドを実際のサイズで表示します
 実際のサイズ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="101"/>
        <source>Fit All Frames(&amp;F)</source>
        <translation>全設定枠を表示(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="102"/>
        <source>Show the Channel column and all 16 frames in the window&apos;s width
 Fit All Frames</source>
        <translation>チャンネル列と16の設定枠すべてをウィンドウの幅に収めます
 全設定枠を表示</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="106"/>
        <source>Document Tabs(&amp;T)</source>
        <translation>ドキュメントタブ(&amp;T)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="107"/>
        <source>Show the open playlists as tabs
 Document Tabs</source>
        <translation>開いているプレイリストをタブで表示します
 ドキュメントタブ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="109"/>
        <source>Next Window(&amp;N)</source>
        <translation>次のウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="110"/>
        <source>Go to the next playlist window
 Next Window</source>
        <translation>次のプレイリストウィンドウへ移動します
 次のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="112"/>
        <source>Previous Window(&amp;P)</source>
        <translation>前のウィンドウ(&amp;P)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="113"/>
        <source>Go to the previous playlist window
 Previous Window</source>
        <translation>前のプレイリストウィンドウへ移動します
 前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="115"/>
        <source>Recent Window</source>
        <translation>直前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="116"/>
        <source>Go back to the playlist window used before
 Recent Window</source>
        <translation>直前に使ったプレイリストウィンドウへ戻ります
 直前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="118"/>
        <source>Recent Window Back</source>
        <translation>直前のウィンドウ（逆順）</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="119"/>
        <source>Go the other way through the windows used
 Recent Window</source>
        <translation>使ったウィンドウを逆の順にたどります
 直前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="121"/>
        <source>Close All(&amp;A)</source>
        <translation>すべて閉じる(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="122"/>
        <source>Close every playlist window
 Close All</source>
        <translation>すべてのプレイリストウィンドウを閉じます
 すべて閉じる</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="123"/>
        <source>Import Audio(&amp;I)...</source>
        <translation>オーディオの取り込み(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="124"/>
        <source>Encode audio files as MP3 into the data folder and set them from the cursor on
 Import Audio</source>
        <translation>オーディオ ファイルを MP3 に変換してdataフォルダに置き、カーソルの位置から設定します
 オーディオの取り込み</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="127"/>
        <source>Match Loudness(&amp;S)...</source>
        <translation>ラウドネスの統一(&amp;S)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="128"/>
        <source>Set the volumes so that every phrase plays as loud as the quietest
 Match Loudness</source>
        <translation>すべてのフレーズがいちばん小さいフレーズと同じ大きさで再生されるようにボリュームを設定します
 ラウドネスの統一</translation>
    </message>
</context>
<context>
    <name>CueSheetCommands</name>
    <message>
        <location filename="../../src/app/cuesheetcommands.cpp" line="124"/>
        <source>Unable to print the cue sheet of %1.</source>
        <translation>%1 のキューシートを印刷できません。</translation>
    </message>
    <message>
        <location filename="../../src/app/cuesheetcommands.cpp" line="144"/>
        <source>Export PDF</source>
        <translation>PDF 書き出し</translation>
    </message>
    <message>
        <location filename="../../src/app/cuesheetcommands.cpp" line="151"/>
        <source>PDF document(*.pdf)|*.pdf||</source>
        <translation>PDF 文書(*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <location filename="../../src/app/cuesheetcommands.cpp" line="155"/>
        <source>%1 is a playlist; choose another file for the PDF.</source>
        <translation>%1 はプレイリストです。PDF には別のファイルを選んでください。</translation>
    </message>
    <message>
        <location filename="../../src/app/cuesheetcommands.cpp" line="161"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <location filename="../../src/app/cuesheetcommands.cpp" line="176"/>
        <source>Unable to save %1.
%2</source>
        <translation>%1 を保存できません。
%2</translation>
    </message>
</context>
<context>
    <name>ExportCardController</name>
    <message>
        <location filename="../../src/app/exportcardcontroller.cpp" line="58"/>
        <location filename="../../src/app/exportcardcontroller.cpp" line="114"/>
        <source>Export to Card</source>
        <translation>カードへエクスポート</translation>
    </message>
    <message>
        <location filename="../../src/app/exportcardcontroller.cpp" line="113"/>
        <source>Copying to the card...</source>
        <translation>カードにコピーしています...</translation>
    </message>
    <message>
        <location filename="../../src/app/exportcardcontroller.cpp" line="113"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../../src/app/exportcardcontroller.cpp" line="122"/>
        <source>Cancelling...</source>
        <translation>中止しています...</translation>
    </message>
    <message>
        <location filename="../../src/app/exportcardcontroller.cpp" line="145"/>
        <source>Copying %1 to the card...</source>
        <translation>%1 をカードにコピーしています...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../src/app/windowmenu.cpp" line="29"/>
        <source>Window(&amp;W)</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
</context>
</TS>
