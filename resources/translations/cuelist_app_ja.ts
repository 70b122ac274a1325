<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../../src/app/aboutdlg.cpp" line="14"/>
        <source>QUARNIX Cuelist Studio Version Information</source>
        <translation>QUARNIX Cuelist Studio のバージョン情報</translation>
    </message>
    <message>
        <location filename="../../src/app/aboutdlg.cpp" line="19"/>
        <source>QUARNIX Cuelist Studio Version. 1.0.0.0</source>
        <translation>QUARNIX Cuelist Studio バージョン 1.0.0.0</translation>
    </message>
</context>
<context>
    <name>CCueApp</name>
    <message>
        <location filename="../../src/app/cueapp.cpp" line="148"/>
        <source>Open this playlist</source>
        <translation>このプレイリストを開きます</translation>
    </message>
    <message>
        <location filename="../../src/app/cueapp.cpp" line="155"/>
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
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="94"/>
        <source>Unable to open %1.
%2</source>
        <translation>%1 を開けません。
%2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../src/app/mainframe.cpp" line="57"/>
        <source>QUARNIX Cuelist Studio</source>
        <translation>QUARNIX Cuelist Studio</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="80"/>
        <source>File Toolbar</source>
        <translation>ファイル ツールバー</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="84"/>
        <source>Edit Toolbar</source>
        <translation>編集ツールバー</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="104"/>
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
        <location filename="../../src/app/mainframemenus.cpp" line="53"/>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="42"/>
        <location filename="../../src/app/mainframemenus.cpp" line="58"/>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="48"/>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="123"/>
        <source>Play time of the channel under the cursor</source>
        <translation>カーソル位置のチャンネルの再生時間</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../src/app/commandline.cpp" line="36"/>
        <source>Edits the playlists (.slp) of a sound and announcement playback device.</source>
        <translation>音声・アナウンス再生装置のプレイリスト (.slp) を編集します。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="41"/>
        <source>Start a separate editor instead of handing the files to the running one.</source>
        <translation>実行中のエディタにファイルを渡さず、別のエディタを起動します。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="54"/>
        <source>Playlists to open, each in a window of its own.</source>
        <translation>開くプレイリスト。それぞれ別のウィンドウで開きます。</translation>
    </message>
    <message>
        <location filename="../../src/app/commandline.cpp" line="63"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="45"/>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="46"/>
        <source>Undo the last edit
 Undo</source>
        <translation>直前の編集を元に戻します
元に戻す</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="47"/>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="48"/>
        <source>Redo the edit undone last
 Redo</source>
        <translation>元に戻した編集をやり直します
やり直し</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="24"/>
        <source>New PlayList(&amp;N)</source>
        <translation>新規プレイリスト(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="25"/>
        <source>Create a new PlayList 
 New PlayList</source>
        <translation>新しいプレイリストを作成します
新規プレイリスト</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="26"/>
        <source>Open PlayList(&amp;O)...</source>
        <translation>プレイリストを開く(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="27"/>
        <source>Open an existing PlayList 
 Open</source>
        <translation>既存のプレイリストを開きます
開く</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="28"/>
        <source>Close(&amp;C)</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="29"/>
        <source>Close active playlist 
 Close</source>
        <translation>作業中のプレイリストを閉じます
閉じる</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="30"/>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="31"/>
        <source>Save the active PlayList 
 Save</source>
        <translation>作業中のプレイリストを上書き保存します
上書き保存</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="32"/>
        <source>Save As(&amp;A)</source>
        <translation>名前を付けて保存(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="33"/>
        <source>Save the active PlayList with a new name
 Save As</source>
        <translation>作業中のプレイリストに名前を付けて保存します
名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="35"/>
        <source>CSV File Output(&amp;V)</source>
        <translation>CSV ファイル出力(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="36"/>
        <source>Output the file name of playlist as CSV format 
 CSV Output</source>
        <translation>プレイリストのファイル名を CSV 形式で出力します
CSV 出力</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="43"/>
        <source>Exit(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="44"/>
        <source>Exit application and save playlist 
 Exit</source>
        <translation>プレイリストを保存してアプリケーションを終了します
終了</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="49"/>
        <source>Select File(&amp;F)</source>
        <translation>ファイル選択(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="50"/>
        <source>Select the file to be defined as phrase frame
 Select File</source>
        <translation>設定枠に割り当てるファイルを選択します
ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="52"/>
        <source>Cut(&amp;T)    Ctrl+X</source>
        <translation>切り取り(&amp;T)    Ctrl+X</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="53"/>
        <source>Cut the phrase and save on clipboard
 Cut</source>
        <translation>フレーズを切り取ってクリップボードに保存します
切り取り</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="54"/>
        <source>Copy(&amp;C)        Ctrl+C</source>
        <translation>コピー(&amp;C)        Ctrl+C</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="55"/>
        <source>Copy the phrase and save on clipboard
 Copy</source>
        <translation>フレーズをコピーしてクリップボードに保存します
コピー</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="57"/>
        <source>Paste(&amp;P)    Ctrl+V</source>
        <translation>貼り付け(&amp;P)    Ctrl+V</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="58"/>
        <source>Paste the clipboard phrase
 Paste</source>
        <translation>クリップボードのフレーズを貼り付けます
貼り付け</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="59"/>
        <source>Delete(&amp;D)        DEL</source>
        <translation>削除(&amp;D)        DEL</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="60"/>
        <source>Delete the phrase
 Delete</source>
        <translation>フレーズを削除します
削除</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="61"/>
        <source>Open File Contents(&amp;L)</source>
        <translation>ファイル内容を開く(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="62"/>
        <source>Display and modify settings
Open contents</source>
        <translation>設定内容を表示して変更します
内容を開く</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="64"/>
        <source>Play Channel(&amp;W)  Ctrl+W</source>
        <translation>チャンネル再生(&amp;W)  Ctrl+W</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="65"/>
        <source>Play the setup data 
 Play</source>
        <translation>設定データを再生します
再生</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="113"/>
        <source>Status Bar(&amp;B)</source>
        <translation>ステータス バー(&amp;B)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="114"/>
        <source>Display/hide the status bar
 Status Bar&apos;s Display Switch</source>
        <translation>ステータス バーの表示/非表示を切り替えます
ステータス バーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="116"/>
        <location filename="../../src/app/appcommands.cpp" line="161"/>
        <source>File Toolbar(&amp;I)</source>
        <translation>ファイル ツールバー(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="117"/>
        <source>Display/hide File Toolbar
 File Toolbar&apos;s Display Switch</source>
        <translation>ファイル ツールバーの表示/非表示を切り替えます
ファイル ツールバーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="119"/>
        <location filename="../../src/app/appcommands.cpp" line="164"/>
        <source>Edit Toolbar(&amp;U)</source>
        <translation>編集ツールバー(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="120"/>
        <source>Display/hide Edit Toolbar
 Edit Toolbar&apos;s Display Switch</source>
        <translation>編集ツールバーの表示/非表示を切り替えます
編集ツールバーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="122"/>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="123"/>
        <source>Open the help
 Help</source>
        <translation>ヘルプを開きます
ヘルプ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="124"/>
        <source>Version Information(&amp;R)</source>
        <translation>バージョン情報(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="125"/>
        <source>Display program informaition
Version Information</source>
        <translation>プログラムの情報を表示します
バージョン情報</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="162"/>
        <source>File Bar(&amp;I)</source>
        <translation>ファイル バー(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="165"/>
        <source>Edit Bar(&amp;U)</source>
        <translation>編集バー(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="66"/>
        <source>Find Missing Files(&amp;M)...</source>
        <translation>見つからないファイルの検索(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="67"/>
        <source>List the files missing from the data folder and relink them
 Find Missing Files</source>
        <translation>dataフォルダにないファイルを一覧表示して再リンクします
 見つからないファイルの検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="38"/>
        <source>Export to Card(&amp;E)...</source>
        <translation>カードへエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="39"/>
        <source>Copy the playlist and the MP3 files it names to a memory card, verified
 Export to Card</source>
        <translation>プレイリストと使用するMP3ファイルをメモリーカードにコピーして検証します
 カードへエクスポート</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="71"/>
        <source>Find(&amp;I)...</source>
        <translation>検索(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="72"/>
        <source>Find the slots that use a file
 Find</source>
        <translation>ファイルを使っている設定枠を検索します
 検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="73"/>
        <source>Find Next(&amp;N)</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="74"/>
        <source>Go to the next slot that uses the file
 Find Next</source>
        <translation>そのファイルを使っている次の設定枠へ移動します
 次を検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="76"/>
        <source>Find Previous(&amp;V)</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="77"/>
        <source>Go to the previous slot that uses the file
 Find Previous</source>
        <translation>そのファイルを使っている前の設定枠へ移動します
 前を検索</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="79"/>
        <source>Relink File(&amp;K)...</source>
        <translation>ファイルの再リンク(&amp;K)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="80"/>
        <source>Name another file of the data folder in every slot that uses the missing file under the cursor
 Relink File</source>
        <translation>カーソル位置の見つからないファイルを使っているすべての設定枠に、dataフォルダの別のファイルを設定します
 ファイルの再リンク</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="84"/>
        <source>Zoom In(&amp;Z)</source>
        <translation>拡大(&amp;Z)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="85"/>
        <source>Show the grid larger
 Zoom In</source>
        <translation>グリッドを大きく表示します
 拡大</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="86"/>
        <source>Zoom Out(&amp;O)</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="87"/>
        <source>Show the grid smaller
 Zoom Out</source>
        <translation>グリッドを小さく表示します
 縮小</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="88"/>
        <source>Actual Size(&amp;A)</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="89"/>
        <source>Show the grid at its actual size
 Actual Size</source>
        <translation>グリッドを実際のサイズで表示します
 実際のサイズ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="91"/>
        <source>Fit All Frames(&amp;F)</source>
        <translation>全設定枠を表示(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="92"/>
        <source>Show the Channel column and all 16 frames in the window&apos;s width
 Fit All Frames</source>
        <translation>チャンネル列と16の設定枠すべてをウィンドウの幅に収めます
 全設定枠を表示</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="96"/>
        <source>Document Tabs(&amp;T)</source>
        <translation>ドキュメントタブ(&amp;T)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="97"/>
        <source>Show the open playlists as tabs
 Document Tabs</source>
        <translation>開いているプレイリストをタブで表示します
 ドキュメントタブ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="99"/>
        <source>Next Window(&amp;N)</source>
        <translation>次のウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="100"/>
        <source>Go to the next playlist window
 Next Window</source>
        <translation>次のプレイリストウィンドウへ移動します
 次のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="102"/>
        <source>Previous Window(&amp;P)</source>
        <translation>前のウィンドウ(&amp;P)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="103"/>
        <source>Go to the previous playlist window
 Previous Window</source>
        <translation>前のプレイリストウィンドウへ移動します
 前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="105"/>
        <source>Recent Window</source>
        <translation>直前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="106"/>
        <source>Go back to the playlist window used before
 Recent Window</source>
        <translation>直前に使ったプレイリストウィンドウへ戻ります
 直前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="108"/>
        <source>Recent Window Back</source>
        <translation>直前のウィンドウ（逆順）</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="109"/>
        <source>Go the other way through the windows used
 Recent Window</source>
        <translation>使ったウィンドウを逆の順にたどります
 直前のウィンドウ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="111"/>
        <source>Close All(&amp;A)</source>
        <translation>すべて閉じる(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="112"/>
        <source>Close every playlist window
 Close All</source>
        <translation>すべてのプレイリストウィンドウを閉じます
 すべて閉じる</translation>
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
        <location filename="../../src/app/windowmenu.cpp" line="27"/>
        <source>Window(&amp;W)</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
</context>
</TS>
