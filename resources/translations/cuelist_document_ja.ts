<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
    <context>
        <name>CCueDoc</name>
        <message>
            <source>File is already setup. Do you want to save changes?</source>
            <translation>ファイルは既に設定されています。変更してもよろしいですか?</translation>
        </message>
        <message>
            <source>Unable to open %1.
%2</source>
            <translation>%1 を開けません。
%2</translation>
        </message>
        <message>
            <source>Output to CSV file</source>
            <translation>CSV ファイルに出力</translation>
        </message>
        <message>
            <source>CSV(comma)(*.CSV)|*.csv||</source>
            <translation>CSV(カンマ区切り)(*.CSV)|*.csv||</translation>
        </message>
        <message>
            <source>%1 already exists.
Do you want to replace it?</source>
            <translation>%1 は既に存在します。
置き換えますか?</translation>
        </message>
        <message>
            <source>Unable to save %1.
%2</source>
            <translation>%1 を保存できません。
%2</translation>
        </message>
        <message>
            <source>The following files do not exist in "data" folder.
Are you sure you want to do the save operation?</source>
            <translation>次のファイルが "data" フォルダにありません。
保存してもよろしいですか?</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>名前を付けて保存</translation>
        </message>
        <message>
            <source>Save Copy As</source>
            <translation>コピーを保存</translation>
        </message>
        <message>
            <source>playlist</source>
            <translation>playlist</translation>
        </message>
        <message>
            <source>Do you want to save changes %1?</source>
            <translation>%1 への変更を保存しますか?</translation>
        </message>
        <message>
            <source>Selected file is not playlist or damaged</source>
            <translation>選択されたファイルはプレイリストではないか、壊れています</translation>
        </message>
        <message>
            <source>Select File</source>
            <translation>ファイル選択</translation>
        </message>
        <message>
            <source>MP3(*.MP3)|*.MP3|All Files(*.*)|*.*||</source>
            <translation>MP3(*.MP3)|*.MP3|すべてのファイル(*.*)|*.*||</translation>
        </message>
        <message>
            <source>Select file existring in the DATA folder</source>
            <translation>DATA フォルダにあるファイルを選択してください</translation>
        </message>
        <message>
            <source>Cannot refer to the files in this &quot;data&quot; folder from the playlist.</source>
            <translation>この &quot;data&quot; フォルダのファイルはプレイリストから参照できません。</translation>
        </message>
    </context>
    <context>
        <name>COwnFileDialog</name>
        <message>
            <source>PlayList(*.slp)</source>
            <translation>プレイリスト(*.slp)</translation>
        </message>
        <message>
            <source>Save Playlist created outside of DATA folder</source>
            <translation>プレイリストは DATA フォルダの外に保存してください</translation>
        </message>
        <message>
            <source>%1 already exist 
 Do you want to save?</source>
            <translation>%1 は既に存在します。
保存しますか?</translation>
        </message>
    </context>
    <context>
        <name>Help</name>
        <message>
            <source>help_e.html</source>
            <translation>help.html</translation>
        </message>
        <message>
            <source>Unable to open Help file</source>
            <translation>ヘルプ ファイルを開けません</translation>
        </message>
    </context>
</TS>
