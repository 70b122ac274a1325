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
    <name>ImportAudioFlow</name>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="66"/>
        <source>Audio Files(*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.aif;*.aiff)</source>
        <translation>オーディオ ファイル(*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.aif;*.aiff)</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="68"/>
        <source>All Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="70"/>
        <location filename="../../src/editor/importaudioflow.cpp" line="192"/>
        <source>Import Audio</source>
        <translation>オーディオの取り込み</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="84"/>
        <source>The data folder %1 no longer exists.</source>
        <translation>dataフォルダ %1 がありません。</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="89"/>
        <location filename="../../src/editor/importaudioflow.cpp" line="109"/>
        <source>Cannot make the data folder in %1.</source>
        <translation>%1 にdataフォルダを作れません。</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="97"/>
        <source>Choose the show folder (or its DATA folder) for the imported files</source>
        <translation>取り込むファイルを置くショー フォルダ (またはその DATA フォルダ) を選んでください</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="127"/>
        <source>Channel %1 has no free frame from frame %2 on.</source>
        <translation>チャンネル %1 のフレーム %2 以降に空きフレームがありません。</translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="154"/>
        <source>Channel %1, from frame %2 on, into %3</source>
        <translation>チャンネル %1、フレーム %2 から、%3 へ</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/editor/importaudioflow.cpp" line="175"/>
        <source>Importing %n audio file(s)...</source>
        <translation>
            <numerusform>%n 個のオーディオファイルを取り込んでいます...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/editor/importaudioflow.cpp" line="186"/>
        <source>%1 was not imported: frame 16 was reached.</source>
        <translation>%1 は取り込まれませんでした: フレーム16に達しました。</translation>
    </message>
</context>
<context>
    <name>MatchLoudnessFlow</name>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="41"/>
        <source>Match Loudness sets each phrase&apos;s volume so that all play as loud as the quietest one.

</source>
        <translation>ラウドネスの統一は、すべてのフレーズがいちばん小さいフレーズと同じ大きさで再生されるように各フレーズのボリュームを設定します。

</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="45"/>
        <source>Yes: the phrases of channel %1
Yes to All: every phrase of the playlist</source>
        <translation>はい: チャンネル %1 のフレーズ
すべてはい: プレイリストのすべてのフレーズ</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="48"/>
        <source>Yes to All: every phrase of the playlist</source>
        <translation>すべてはい: プレイリストのすべてのフレーズ</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="51"/>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="117"/>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="149"/>
        <source>Match Loudness</source>
        <translation>ラウドネスの統一</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="76"/>
        <source>There is no MP3 phrase to match.</source>
        <translation>統一するMP3フレーズがありません。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/editor/matchloudnessflow.cpp" line="89"/>
        <source>Measuring the loudness of %n phrase(s)...</source>
        <translation>
            <numerusform>%n 個のフレーズのラウドネスを測定しています...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="113"/>
        <source>None of these phrases could be measured: their files are missing or hold no audio.</source>
        <translation>どのフレーズも測定できませんでした: ファイルがないか、オーディオがありません。</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="127"/>
        <source>Every phrase now plays at about %1.</source>
        <translation>すべてのフレーズが約 %1 で再生されます。</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="130"/>
        <source>No volume had to change.</source>
        <translation>変更が必要なボリュームはありませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="132"/>
        <source>%1: volume %2 dB to %3 dB</source>
        <translation>%1: ボリューム %2 dB → %3 dB</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="137"/>
        <source>These stay louder, as -70 dB is not enough:</source>
        <translation>次のフレーズは -70 dB でも足りないため大きいままです:</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="139"/>
        <source>%1: %2 LU louder</source>
        <translation>%1: %2 LU 大きい</translation>
    </message>
    <message>
        <location filename="../../src/editor/matchloudnessflow.cpp" line="144"/>
        <source>Not measured (missing, or no audio), left as they are:</source>
        <translation>測定できなかったフレーズ (ファイルがない、またはオーディオがない) はそのままです:</translation>
    </message>
</context>
<context>
    <name>PlaylistEditor</name>
    <message>
        <location filename="../../src/editor/playlisteditor.cpp" line="214"/>
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
        <location filename="../../src/editor/editordrop.cpp" line="162"/>
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
        <location filename="../../src/editor/editorselectfile.cpp" line="57"/>
        <source>Select File</source>
        <translation>ファイル選択</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="47"/>
        <source>MP3(*.MP3)|*.MP3|All Files(*.*)|*.*||</source>
        <translation>MP3(*.MP3)|*.MP3|すべてのファイル(*.*)|*.*||</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="69"/>
        <source>Select file existring in the DATA folder</source>
        <translation>DATA フォルダにあるファイルを選択してください</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorselectfile.cpp" line="74"/>
        <source>Cannot refer to the files in this &quot;data&quot; folder from the playlist.</source>
        <translation>この &quot;data&quot; フォルダのファイルはプレイリストから参照できません。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="76"/>
        <source>Drop Files</source>
        <translation>ファイルのドロップ</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="91"/>
        <source>Frame 16 was reached: these files were not set.
%1</source>
        <translation>設定枠16を超えたため、次のファイルは設定されませんでした。
%1</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="145"/>
        <source>Do you want to save changes</source>
        <translation>変更してもよろしいですか</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="150"/>
        <source>Do not setup file in a channel</source>
        <translation>チャンネル欄にはファイルを設定できません</translation>
    </message>
    <message>
        <location filename="../../src/editor/editordrop.cpp" line="155"/>
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
        <location filename="../../src/editor/editorsave.cpp" line="35"/>
        <source>The following files do not exist in &quot;data&quot; folder.
Are you sure you want to do the save operation?</source>
        <translation>次のファイルが &quot;data&quot; フォルダにありません。
保存してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="49"/>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="49"/>
        <source>Save Copy As</source>
        <translation>コピーを保存</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="83"/>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>このファイルは開いた後に別のプログラムによって変更されました。上書きしますか?</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="96"/>
        <location filename="../../src/editor/editorsave.cpp" line="172"/>
        <source>Unable to save %1.
%2</source>
        <translation>%1 を保存できません。
%2</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="125"/>
        <source>playlist</source>
        <translation>playlist</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="128"/>
        <source>Do you want to save changes %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="137"/>
        <source>Output to CSV file</source>
        <translation>CSV ファイルに出力</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="138"/>
        <source>CSV(comma)(*.CSV)|*.csv||</source>
        <translation>CSV(カンマ区切り)(*.CSV)|*.csv||</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="149"/>
        <source>%1 is an open playlist; choose another file for the CSV output.</source>
        <translation>%1 は開いているプレイリストです。CSV出力には別のファイルを選んでください。</translation>
    </message>
    <message>
        <location filename="../../src/editor/editorsave.cpp" line="156"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <location filename="../../src/editor/progressrun.cpp" line="16"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
