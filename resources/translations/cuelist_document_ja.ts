<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCueDoc</name>
    <message>
        <location filename="../../src/document/cuedoc.cpp" line="58"/>
        <source>File is already setup. Do you want to save changes?</source>
        <translation>ファイルは既に設定されています。変更してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedoc.cpp" line="89"/>
        <source>Unable to open %1.
%2</source>
        <translation>%1 を開けません。
%2</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedoccsv.cpp" line="13"/>
        <source>Output to CSV file</source>
        <translation>CSV ファイルに出力</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedoccsv.cpp" line="14"/>
        <source>CSV(comma)(*.CSV)|*.csv||</source>
        <translation>CSV(カンマ区切り)(*.CSV)|*.csv||</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedoccsv.cpp" line="25"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocsave.cpp" line="74"/>
        <location filename="../../src/document/cuedoccsv.cpp" line="45"/>
        <source>Unable to save %1.
%2</source>
        <translation>%1 を保存できません。
%2</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocsave.cpp" line="54"/>
        <source>The following files do not exist in &quot;data&quot; folder.
Are you sure you want to do the save operation?</source>
        <translation>次のファイルが &quot;data&quot; フォルダにありません。
保存してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocsave.cpp" line="90"/>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocsave.cpp" line="90"/>
        <source>Save Copy As</source>
        <translation>コピーを保存</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocsave.cpp" line="146"/>
        <source>playlist</source>
        <translation>playlist</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocsave.cpp" line="149"/>
        <source>Do you want to save changes %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocselectfile.cpp" line="56"/>
        <source>Selected file is not playlist or damaged</source>
        <translation>選択されたファイルはプレイリストではないか、壊れています</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="107"/>
        <location filename="../../src/document/cuedocselectfile.cpp" line="76"/>
        <location filename="../../src/document/cuedocselectfile.cpp" line="81"/>
        <source>Select File</source>
        <translation>ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="115"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="122"/>
        <location filename="../../src/document/cuedocedit.cpp" line="128"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="137"/>
        <location filename="../../src/document/cuedocedit.cpp" line="144"/>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="155"/>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="166"/>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="167"/>
        <source>Undo %1(&amp;U)</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="170"/>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocedit.cpp" line="171"/>
        <source>Redo %1(&amp;R)</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し: %1</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocselectfile.cpp" line="76"/>
        <source>MP3(*.MP3)|*.MP3|All Files(*.*)|*.*||</source>
        <translation>MP3(*.MP3)|*.MP3|すべてのファイル(*.*)|*.*||</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocselectfile.cpp" line="92"/>
        <source>Select file existring in the DATA folder</source>
        <translation>DATA フォルダにあるファイルを選択してください</translation>
    </message>
    <message>
        <location filename="../../src/document/cuedocselectfile.cpp" line="97"/>
        <source>Cannot refer to the files in this &quot;data&quot; folder from the playlist.</source>
        <translation>この &quot;data&quot; フォルダのファイルはプレイリストから参照できません。</translation>
    </message>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>このファイルは開いた後に別のプログラムによって変更されました。上書きしますか?</translation>
    </message>
    <message>
        <source>%1 is an open playlist; choose another file for the CSV output.</source>
        <translation>%1 は開いているプレイリストです。CSV出力には別のファイルを選んでください。</translation>
    </message>
</context>
<context>
    <name>COwnFileDialog</name>
    <message>
        <location filename="../../src/document/ownfiledialog.cpp" line="28"/>
        <source>PlayList(*.slp)</source>
        <translation>プレイリスト(*.slp)</translation>
    </message>
    <message>
        <location filename="../../src/document/ownfiledialog.cpp" line="44"/>
        <source>Save Playlist created outside of DATA folder</source>
        <translation>プレイリストは DATA フォルダの外に保存してください</translation>
    </message>
    <message>
        <location filename="../../src/document/ownfiledialog.cpp" line="55"/>
        <source>%1 already exist 
 Do you want to save?</source>
        <translation>%1 は既に存在します。
保存しますか?</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../../src/document/help.cpp" line="19"/>
        <source>help_e.html</source>
        <translation>help.html</translation>
    </message>
    <message>
        <location filename="../../src/document/help.cpp" line="32"/>
        <source>Unable to open Help file</source>
        <translation>ヘルプ ファイルを開けません</translation>
    </message>
</context>
</TS>
