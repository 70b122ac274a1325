<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
    <context>
        <name>CAboutDlg</name>
        <message>
            <source>QUARNIX Cuelist Studio Version Information</source>
            <translation>QUARNIX Cuelist Studio のバージョン情報</translation>
        </message>
        <message>
            <source>QUARNIX Cuelist Studio Version. %1</source>
            <translation>QUARNIX Cuelist Studio バージョン %1</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License, version 3 or later (%1).</source>
            <translation>GNU 一般公衆利用許諾書 バージョン 3 以降 (%1) のもとで配布されるフリーソフトウェアです。</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Edits the playlists (.slp) of a sound and announcement playback device.</source>
            <translation>音声・アナウンス再生装置のプレイリスト (.slp) を編集します。</translation>
        </message>
        <message>
            <source>Start a separate editor instead of handing the files to the running one.</source>
            <translation>実行中のエディタにファイルを渡さず、別のエディタを起動します。</translation>
        </message>
        <message>
            <source>Playlists to open, each in a window of its own.</source>
            <translation>開くプレイリスト。それぞれ別のウィンドウで開きます。</translation>
        </message>
        <message>
            <source>Usage: %1 [options] [FILE.slp...]</source>
            <translation>使い方: %1 [オプション] [ファイル.slp...]</translation>
        </message>
        <message>
            <source>Options:</source>
            <translation>オプション:</translation>
        </message>
        <message>
            <source>Show this help and exit.</source>
            <translation>このヘルプを表示して終了します。</translation>
        </message>
        <message>
            <source>Show the version number and exit.</source>
            <translation>バージョン番号を表示して終了します。</translation>
        </message>
        <message>
            <source>Arguments:</source>
            <translation>引数:</translation>
        </message>
        <message>
            <source>Qt&apos;s display options (-platform, -style, -reverse, ...) are accepted and passed on.</source>
            <translation>Qt の表示オプション (-platform、-style、-reverse など) も指定できます。</translation>
        </message>
        <message>
            <source>Unknown option &apos;%1&apos;.</source>
            <translation>不明なオプション &apos;%1&apos; です。</translation>
        </message>
        <message>
            <source>Try &apos;%1 --help&apos; for more information.</source>
            <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
        </message>
    </context>
    <context>
        <name>CCueApp</name>
        <message>
            <source>Open this playlist</source>
            <translation>このプレイリストを開きます</translation>
        </message>
        <message>
            <source>Recently used file</source>
            <translation>最近使ったファイル</translation>
        </message>
        <message>
            <source>PlayList%1</source>
            <translation>PlayList%1</translation>
        </message>
        <message>
            <source>PlayList(*.slp)</source>
            <translation>プレイリスト(*.slp)</translation>
        </message>
        <message>
            <source>All Files(*)</source>
            <translation>すべてのファイル(*)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>開く</translation>
        </message>
        <message>
            <source>The opened playlist includes unknown file type in the setup frame.  Are you sure the application deletes the unknown files?</source>
            <translation>開いたプレイリストの設定枠に不明なファイル種別が含まれています。  不明なファイルを削除してもよろしいですか?</translation>
        </message>
        <message>
            <source>The opened playlist includes unknow channel numbers. Are you sure the application deletes these messages of unknown channel numbers? </source>
            <translation>開いたプレイリストに不明なチャンネル番号が含まれています。不明なチャンネル番号のデータを削除してもよろしいですか? </translation>
        </message>
    </context>
    <context>
        <name>CMainFrame</name>
        <message>
            <source>QUARNIX Cuelist Studio</source>
            <translation>QUARNIX Cuelist Studio</translation>
        </message>
        <message>
            <source>File Toolbar</source>
            <translation>ファイル ツールバー</translation>
        </message>
        <message>
            <source>Edit Toolbar</source>
            <translation>編集ツールバー</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>レディ</translation>
        </message>
        <message>
            <source>File(&amp;F)</source>
            <translation>ファイル(&amp;F)</translation>
        </message>
        <message>
            <source>View(&amp;V)</source>
            <translation>表示(&amp;V)</translation>
        </message>
        <message>
            <source>Help(&amp;H)</source>
            <translation>ヘルプ(&amp;H)</translation>
        </message>
        <message>
            <source>Edit(&amp;E)</source>
            <translation>編集(&amp;E)</translation>
        </message>
        <message>
            <source>Play time of the channel under the cursor</source>
            <translation>カーソル位置のチャンネルの再生時間</translation>
        </message>
    </context>
    <context>
        <name>Commands</name>
        <message>
            <source>Undo(&amp;U)</source>
            <translation>元に戻す(&amp;U)</translation>
        </message>
        <message>
            <source>Undo the last edit
 Undo</source>
            <translation>直前の編集を元に戻します
元に戻す</translation>
        </message>
        <message>
            <source>Redo(&amp;R)</source>
            <translation>やり直し(&amp;R)</translation>
        </message>
        <message>
            <source>Redo the edit undone last
 Redo</source>
            <translation>元に戻した編集をやり直します
やり直し</translation>
        </message>
        <message>
            <source>New PlayList(&amp;N)</source>
            <translation>新規プレイリスト(&amp;N)</translation>
        </message>
        <message>
            <source>Create a new PlayList 
 New PlayList</source>
            <translation>新しいプレイリストを作成します
新規プレイリスト</translation>
        </message>
        <message>
            <source>Open PlayList(&amp;O)...</source>
            <translation>プレイリストを開く(&amp;O)...</translation>
        </message>
        <message>
            <source>Open an existing PlayList 
 Open</source>
            <translation>既存のプレイリストを開きます
開く</translation>
        </message>
        <message>
            <source>Close(&amp;C)</source>
            <translation>閉じる(&amp;C)</translation>
        </message>
        <message>
            <source>Close active playlist 
 Close</source>
            <translation>作業中のプレイリストを閉じます
閉じる</translation>
        </message>
        <message>
            <source>Save(&amp;S)</source>
            <translation>上書き保存(&amp;S)</translation>
        </message>
        <message>
            <source>Save the active PlayList 
 Save</source>
            <translation>作業中のプレイリストを上書き保存します
上書き保存</translation>
        </message>
        <message>
            <source>Save As(&amp;A)</source>
            <translation>名前を付けて保存(&amp;A)</translation>
        </message>
        <message>
            <source>Save the active PlayList with a new name
 Save As</source>
            <translation>作業中のプレイリストに名前を付けて保存します
名前を付けて保存</translation>
        </message>
        <message>
            <source>CSV File Output(&amp;V)</source>
            <translation>CSV ファイル出力(&amp;V)</translation>
        </message>
        <message>
            <source>Output the file name of playlist as CSV format 
 CSV Output</source>
            <translation>プレイリストのファイル名を CSV 形式で出力します
CSV 出力</translation>
        </message>
        <message>
            <source>Exit(&amp;X)</source>
            <translation>終了(&amp;X)</translation>
        </message>
        <message>
            <source>Exit application and save playlist 
 Exit</source>
            <translation>プレイリストを保存してアプリケーションを終了します
終了</translation>
        </message>
        <message>
            <source>Select File(&amp;F)</source>
            <translation>ファイル選択(&amp;F)</translation>
        </message>
        <message>
            <source>Select the file to be defined as phrase frame
 Select File</source>
            <translation>設定枠に割り当てるファイルを選択します
ファイル選択</translation>
        </message>
        <message>
            <source>Cut(&amp;T)    Ctrl+X</source>
            <translation>切り取り(&amp;T)    Ctrl+X</translation>
        </message>
        <message>
            <source>Cut the phrase and save on clipboard
 Cut</source>
            <translation>フレーズを切り取ってクリップボードに保存します
切り取り</translation>
        </message>
        <message>
            <source>Copy(&amp;C)        Ctrl+C</source>
            <translation>コピー(&amp;C)        Ctrl+C</translation>
        </message>
        <message>
            <source>Copy the phrase and save on clipboard
 Copy</source>
            <translation>フレーズをコピーしてクリップボードに保存します
コピー</translation>
        </message>
        <message>
            <source>Paste(&amp;P)    Ctrl+V</source>
            <translation>貼り付け(&amp;P)    Ctrl+V</translation>
        </message>
        <message>
            <source>Paste the clipboard phrase
 Paste</source>
            <translation>クリップボードのフレーズを貼り付けます
貼り付け</translation>
        </message>
        <message>
            <source>Delete(&amp;D)        DEL</source>
            <translation>削除(&amp;D)        DEL</translation>
        </message>
        <message>
            <source>Delete the phrase
 Delete</source>
            <translation>フレーズを削除します
削除</translation>
        </message>
        <message>
            <source>Open File Contents(&amp;L)</source>
            <translation>ファイル内容を開く(&amp;L)</translation>
        </message>
        <message>
            <source>Display and modify settings
Open contents</source>
            <translation>設定内容を表示して変更します
内容を開く</translation>
        </message>
        <message>
            <source>Play Channel(&amp;W)  Ctrl+W</source>
            <translation>チャンネル再生(&amp;W)  Ctrl+W</translation>
        </message>
        <message>
            <source>Play the setup data 
 Play</source>
            <translation>設定データを再生します
再生</translation>
        </message>
        <message>
            <source>Status Bar(&amp;B)</source>
            <translation>ステータス バー(&amp;B)</translation>
        </message>
        <message>
            <source>Display/hide the status bar
 Status Bar's Display Switch</source>
            <translation>ステータス バーの表示/非表示を切り替えます
ステータス バーの表示切り替え</translation>
        </message>
        <message>
            <source>File Toolbar(&amp;I)</source>
            <translation>ファイル ツールバー(&amp;I)</translation>
        </message>
        <message>
            <source>Display/hide File Toolbar
 File Toolbar's Display Switch</source>
            <translation>ファイル ツールバーの表示/非表示を切り替えます
ファイル ツールバーの表示切り替え</translation>
        </message>
        <message>
            <source>Edit Toolbar(&amp;U)</source>
            <translation>編集ツールバー(&amp;U)</translation>
        </message>
        <message>
            <source>Display/hide Edit Toolbar
 Edit Toolbar's Display Switch</source>
            <translation>編集ツールバーの表示/非表示を切り替えます
編集ツールバーの表示切り替え</translation>
        </message>
        <message>
            <source>Help(&amp;H)</source>
            <translation>ヘルプ(&amp;H)</translation>
        </message>
        <message>
            <source>Open the help
 Help</source>
            <translation>ヘルプを開きます
ヘルプ</translation>
        </message>
        <message>
            <source>Version Information(&amp;R)</source>
            <translation>バージョン情報(&amp;R)</translation>
        </message>
        <message>
            <source>Display program informaition
Version Information</source>
            <translation>プログラムの情報を表示します
バージョン情報</translation>
        </message>
        <message>
            <source>File Bar(&amp;I)</source>
            <translation>ファイル バー(&amp;I)</translation>
        </message>
        <message>
            <source>Edit Bar(&amp;U)</source>
            <translation>編集バー(&amp;U)</translation>
        </message>
        <message>
            <source>Find Missing Files(&amp;M)...</source>
            <translation>見つからないファイルの検索(&amp;M)...</translation>
        </message>
        <message>
            <source>List the files missing from the data folder and relink them
 Find Missing Files</source>
            <translation>dataフォルダにないファイルを一覧表示して再リンクします
 見つからないファイルの検索</translation>
        </message>
    </context>
</TS>
