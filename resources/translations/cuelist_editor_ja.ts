<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>COwnFileDialog</name>
    <message>
        <location filename="../../src/editor/ownfiledialog.cpp" line="29"/>
        <source>PlayList(*.slp)</source>
        <translation>プレイリスト(*.slp)</translation>
    </message>
    <message>
        <location filename="../../src/editor/ownfiledialog.cpp" line="47"/>
        <source>Save Playlist created outside of DATA folder</source>
        <translation>プレイリストは DATA フォルダの外に保存してください</translation>
    </message>
    <message>
        <location filename="../../src/editor/ownfiledialog.cpp" line="58"/>
        <source>%1 already exist 
 Do you want to save?</source>
        <translation>%1 は既に存在します。
保存しますか?</translation>
    </message>
</context>
<context>
    <name>PlaylistEditor</name>
    <message>
        <location filename="../../src/editor/playlisteditor.cpp" line="195"/>
        <source>Ch.%1 play time: %2</source>
        <translation>Ch.%1 再生時間: %2</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorclipboard.cpp" line="30"/>
        <source>The data could not be placed on the clipboard.</source>
        <translation>クリップボードにデータを置けませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorclipboard.cpp" line="46"/>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorclipboard.cpp" line="77"/>
        <source>The data on the clipboard could not be read.</source>
        <translation>クリップボードのデータを読み取れませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsettings.cpp" line="36"/>
        <location filename="../../src/editor/editordrop.cpp" line="145"/>
        <source>Unknown File Type. Reset File Name</source>
        <translation>ファイルの種類が不明です。ファイル名を設定し直してください</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsettings.cpp" line="84"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="26"/>
        <source>Selected file is not playlist or damaged</source>
        <translation>選択されたファイルはプレイリストではないか、壊れています</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="46"/>
        <location filename="../../src/editor/editorselectfile.cpp" line="58"/>
        <source>Select File</source>
        <translation>ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="47"/>
        <source>MP3(*.MP3)|*.MP3|All Files(*.*)|*.*||</source>
        <translation>MP3(*.MP3)|*.MP3|すべてのファイル(*.*)|*.*||</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="70"/>
        <source>Select file existring in the DATA folder</source>
        <translation>DATA フォルダにあるファイルを選択してください</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="75"/>
        <source>Cannot refer to the files in this &quot;data&quot; folder from the playlist.</source>
        <translation>この "data" フォルダのファイルはプレイリストから参照できません。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="59"/>
        <source>Drop Files</source>
        <translation>ファイルのドロップ</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="74"/>
        <source>Frame 16 was reached: these files were not set.
%1</source>
        <translation>設定枠16を超えたため、次のファイルは設定されませんでした。
%1</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="128"/>
        <source>Do you want to save changes</source>
        <translation>変更してもよろしいですか</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="133"/>
        <source>Do not setup file in a channel</source>
        <translation>チャンネル欄にはファイルを設定できません</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="138"/>
        <source>Drop</source>
        <translation>ドロップ</translation>
    </message>
    <message>
        <location filename="../../src/editor/editormissing.cpp" line="50"/>
        <source>MP3 File(*.mp3)</source>
        <translation>MP3ファイル(*.mp3)</translation>
    </message>
    <message>
        <location filename="../../src/editor/editormissing.cpp" line="51"/>
        <source>All Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <location filename="../../src/editor/editormissing.cpp" line="52"/>
        <location filename="../../src/editor/editormissing.cpp" line="69"/>
        <source>Relink %1</source>
        <translation>%1 の再リンク</translation>
    </message>
    <message>
        <location filename="../../src/editor/editormissing.cpp" line="57"/>
        <source>Choose a file in the data folder of this playlist.</source>
        <translation>このプレイリストのdataフォルダにあるファイルを選んでください。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="34"/>
        <source>The following files do not exist in &quot;data&quot; folder.
Are you sure you want to do the save operation?</source>
        <translation>次のファイルが "data" フォルダにありません。
保存してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="43"/>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="43"/>
        <source>Save Copy As</source>
        <translation>コピーを保存</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="77"/>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>このファイルは開いた後に別のプログラムによって変更されました。上書きしますか?</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="90"/>
        <location filename="../../src/editor/editorsave.cpp" line="166"/>
        <source>Unable to save %1.
%2</source>
        <translation>%1 を保存できません。
%2</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="119"/>
        <source>playlist</source>
        <translation>playlist</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="122"/>
        <source>Do you want to save changes %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="131"/>
        <source>Output to CSV file</source>
        <translation>CSV ファイルに出力</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="132"/>
        <source>CSV(comma)(*.CSV)|*.csv||</source>
        <translation>CSV(カンマ区切り)(*.CSV)|*.csv||</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="143"/>
        <source>%1 is an open playlist; choose another file for the CSV output.</source>
        <translation>%1 は開いているプレイリストです。CSV出力には別のファイルを選んでください。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="150"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
</context>
</TS>
