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
        <location filename="../../src/app/cueapp.cpp" line="151"/>
        <source>Open this playlist</source>
        <translation>このプレイリストを開きます</translation>
    </message>
    <message>
        <location filename="../../src/app/cueapp.cpp" line="158"/>
        <source>Recently used file</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="37"/>
        <source>PlayList%1</source>
        <translation>PlayList%1</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="46"/>
        <source>PlayList(*.slp)</source>
        <translation>プレイリスト(*.slp)</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="47"/>
        <source>All Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="48"/>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="71"/>
        <source>The opened playlist includes unknown file type in the setup frame.  Are you sure the application deletes the unknown files?</source>
        <translation>開いたプレイリストの設定枠に不明なファイル種別が含まれています。  不明なファイルを削除してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/app/cueappfile.cpp" line="74"/>
        <source>The opened playlist includes unknow channel numbers. Are you sure the application deletes these messages of unknown channel numbers? </source>
        <translation>開いたプレイリストに不明なチャンネル番号が含まれています。不明なチャンネル番号のデータを削除してもよろしいですか? </translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../../src/app/mainframe.cpp" line="53"/>
        <source>QUARNIX Cuelist Studio</source>
        <translation>QUARNIX Cuelist Studio</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="82"/>
        <source>File Toolbar</source>
        <translation>ファイル ツールバー</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="86"/>
        <source>Edit Toolbar</source>
        <translation>編集ツールバー</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="106"/>
        <source>Ready</source>
        <translation>レディ</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="35"/>
        <location filename="../../src/app/mainframemenus.cpp" line="43"/>
        <source>File(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="38"/>
        <location filename="../../src/app/mainframemenus.cpp" line="50"/>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="40"/>
        <location filename="../../src/app/mainframemenus.cpp" line="52"/>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframemenus.cpp" line="46"/>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainframebars.cpp" line="126"/>
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
        <location filename="../../src/app/appcommands.cpp" line="39"/>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="40"/>
        <source>Undo the last edit
 Undo</source>
        <translation>直前の編集を元に戻します
元に戻す</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="41"/>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="42"/>
        <source>Redo the edit undone last
 Redo</source>
        <translation>元に戻した編集をやり直します
やり直し</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="23"/>
        <source>New PlayList(&amp;N)</source>
        <translation>新規プレイリスト(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="24"/>
        <source>Create a new PlayList 
 New PlayList</source>
        <translation>新しいプレイリストを作成します
新規プレイリスト</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="25"/>
        <source>Open PlayList(&amp;O)...</source>
        <translation>プレイリストを開く(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="26"/>
        <source>Open an existing PlayList 
 Open</source>
        <translation>既存のプレイリストを開きます
開く</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="27"/>
        <source>Close(&amp;C)</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="28"/>
        <source>Close active playlist 
 Close</source>
        <translation>作業中のプレイリストを閉じます
閉じる</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="29"/>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="30"/>
        <source>Save the active PlayList 
 Save</source>
        <translation>作業中のプレイリストを上書き保存します
上書き保存</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="31"/>
        <source>Save As(&amp;A)</source>
        <translation>名前を付けて保存(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="32"/>
        <source>Save the active PlayList with a new name
 Save As</source>
        <translation>作業中のプレイリストに名前を付けて保存します
名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="34"/>
        <source>CSV File Output(&amp;V)</source>
        <translation>CSV ファイル出力(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="35"/>
        <source>Output the file name of playlist as CSV format 
 CSV Output</source>
        <translation>プレイリストのファイル名を CSV 形式で出力します
CSV 出力</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="37"/>
        <source>Exit(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="38"/>
        <source>Exit application and save playlist 
 Exit</source>
        <translation>プレイリストを保存してアプリケーションを終了します
終了</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="43"/>
        <source>Select File(&amp;F)</source>
        <translation>ファイル選択(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="44"/>
        <source>Select the file to be defined as phrase frame
 Select File</source>
        <translation>設定枠に割り当てるファイルを選択します
ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="46"/>
        <source>Cut(&amp;T)    Ctrl+X</source>
        <translation>切り取り(&amp;T)    Ctrl+X</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="47"/>
        <source>Cut the phrase and save on clipboard
 Cut</source>
        <translation>フレーズを切り取ってクリップボードに保存します
切り取り</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="48"/>
        <source>Copy(&amp;C)        Ctrl+C</source>
        <translation>コピー(&amp;C)        Ctrl+C</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="49"/>
        <source>Copy the phrase and save on clipboard
 Copy</source>
        <translation>フレーズをコピーしてクリップボードに保存します
コピー</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="51"/>
        <source>Paste(&amp;P)    Ctrl+V</source>
        <translation>貼り付け(&amp;P)    Ctrl+V</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="52"/>
        <source>Paste the clipboard phrase
 Paste</source>
        <translation>クリップボードのフレーズを貼り付けます
貼り付け</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="53"/>
        <source>Delete(&amp;D)        DEL</source>
        <translation>削除(&amp;D)        DEL</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="54"/>
        <source>Delete the phrase
 Delete</source>
        <translation>フレーズを削除します
削除</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="55"/>
        <source>Open File Contents(&amp;L)</source>
        <translation>ファイル内容を開く(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="56"/>
        <source>Display and modify settings
Open contents</source>
        <translation>設定内容を表示して変更します
内容を開く</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="58"/>
        <source>Play Channel(&amp;W)  Ctrl+W</source>
        <translation>チャンネル再生(&amp;W)  Ctrl+W</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="59"/>
        <source>Play the setup data 
 Play</source>
        <translation>設定データを再生します
再生</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="65"/>
        <source>Import Audio(&amp;I)...</source>
        <translation>オーディオの取り込み(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="66"/>
        <source>Encode audio files as MP3 into the data folder and set them from the cursor on
 Import Audio</source>
        <translation>オーディオ ファイルを MP3 に変換してdataフォルダに置き、カーソルの位置から設定します
 オーディオの取り込み</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="69"/>
        <source>Match Loudness(&amp;N)...</source>
        <translation>ラウドネスの統一(&amp;N)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="70"/>
        <source>Set the volumes so that every phrase plays as loud as the quietest
 Match Loudness</source>
        <translation>すべてのフレーズがいちばん小さいフレーズと同じ大きさで再生されるようにボリュームを設定します
 ラウドネスの統一</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="73"/>
        <source>Status Bar(&amp;B)</source>
        <translation>ステータス バー(&amp;B)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="74"/>
        <source>Display/hide the status bar
 Status Bar&apos;s Display Switch</source>
        <translation>ステータス バーの表示/非表示を切り替えます
ステータス バーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="76"/>
        <location filename="../../src/app/appcommands.cpp" line="117"/>
        <source>File Toolbar(&amp;I)</source>
        <translation>ファイル ツールバー(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="77"/>
        <source>Display/hide File Toolbar
 File Toolbar&apos;s Display Switch</source>
        <translation>ファイル ツールバーの表示/非表示を切り替えます
ファイル ツールバーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="79"/>
        <location filename="../../src/app/appcommands.cpp" line="120"/>
        <source>Edit Toolbar(&amp;U)</source>
        <translation>編集ツールバー(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="80"/>
        <source>Display/hide Edit Toolbar
 Edit Toolbar&apos;s Display Switch</source>
        <translation>編集ツールバーの表示/非表示を切り替えます
編集ツールバーの表示切り替え</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="82"/>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="83"/>
        <source>Open the help
 Help</source>
        <translation>ヘルプを開きます
ヘルプ</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="84"/>
        <source>Version Information(&amp;R)</source>
        <translation>バージョン情報(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="85"/>
        <source>Display program informaition
Version Information</source>
        <translation>プログラムの情報を表示します
バージョン情報</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="118"/>
        <source>File Bar(&amp;I)</source>
        <translation>ファイル バー(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="121"/>
        <source>Edit Bar(&amp;U)</source>
        <translation>編集バー(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="60"/>
        <source>Find Missing Files(&amp;M)...</source>
        <translation>見つからないファイルの検索(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../../src/app/appcommands.cpp" line="61"/>
        <source>List the files missing from the data folder and relink them
 Find Missing Files</source>
        <translation>dataフォルダにないファイルを一覧表示して再リンクします
 見つからないファイルの検索</translation>
    </message>
</context>
</TS>
