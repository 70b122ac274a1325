<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCueView</name>
    <message>
        <location filename="../../src/view/cueview_menu.cpp" line="+31"/>
        <source>Select File(&amp;F)</source>
        <comment>empty slot</comment>
        <translation>ﾌｧｲﾙ名設定(&amp;F)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select File(&amp;F)</source>
        <comment>occupied slot</comment>
        <translation>ﾌｧｲﾙの再選択(&amp;F)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy(&amp;C)</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Paste(&amp;P)</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play(&amp;W)</source>
        <translation>再生(&amp;W)</translation>
    </message>
    <message>
        <location filename="../../src/view/cueview_clipboard.cpp" line="+34"/>
        <source>The data could not be placed on the clipboard.</source>
        <translation>クリップボードにデータを置けませんでした。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>The data on the clipboard could not be read.</source>
        <translation>クリップボードのデータを読み取れませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/view/cueview_settings.cpp" line="+41"/>
        <location filename="../../src/view/cueview_drop.cpp" line="+130"/>
        <source>Unknown File Type. Reset File Name</source>
        <translation>ファイルの種類が不明です。ファイル名を設定し直してください</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../src/view/cueview_drop.cpp" line="-20"/>
        <source>Do you want to save changes</source>
        <translation>変更してもよろしいですか</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do not setup file in a channel</source>
        <translation>チャンネル欄にはファイルを設定できません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Drop</source>
        <translation>ドロップ</translation>
    </message>
    <message>
        <source>Ch.%1 play time: %2</source>
        <translation>Ch.%1 再生時間: %2</translation>
    </message>
    <message>
        <source>Drop Files</source>
        <translation>ファイルのドロップ</translation>
    </message>
    <message>
        <source>Frame 16 was reached: these files were not set.
%1</source>
        <translation>設定枠16を超えたため、次のファイルは設定されませんでした。
%1</translation>
    </message>
    <message>
        <source>MP3 File(*.mp3)</source>
        <translation>MP3ファイル(*.mp3)</translation>
    </message>
    <message>
        <source>All Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>%1 の再リンク</translation>
    </message>
    <message>
        <source>Choose a file in the data folder of this playlist.</source>
        <translation>このプレイリストのdataフォルダにあるファイルを選んでください。</translation>
    </message>
</context>
<context>
    <name>CueGridModel</name>
    <message>
        <location filename="../../src/view/cuegridmodel.cpp" line="+43"/>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     Phrase%1     </source>
        <translation>    設定枠%1    </translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>長さ: %1</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Loudness: %1, true peak %2</source>
        <translation>ラウドネス: %1、トゥルーピーク %2</translation>
    </message>
</context>
<context>
    <name>SlotFinder</name>
    <message>
        <source>No slot uses a file whose name contains &quot;%1&quot;.</source>
        <translation>名前に「%1」を含むファイルを使っている設定枠はありません。</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%2 件中 %1 件目: %3</translation>
    </message>
    <message>
        <source>(missing from the data folder: Relink File names another)</source>
        <translation>（dataフォルダにありません: ファイルの再リンクで別のファイルを設定できます）</translation>
    </message>
    <message>
        <source>%1 relinked</source>
        <translation>%1 を再リンクしました</translation>
    </message>
</context>
<context>
    <name>ImportAudioFlow</name>
    <message>
        <source>Audio Files(*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.aif;*.aiff)</source>
        <translation>オーディオ ファイル(*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.aif;*.aiff)</translation>
    </message>
    <message>
        <source>All Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>オーディオの取り込み</translation>
    </message>
    <message>
        <source>The data folder %1 no longer exists.</source>
        <translation>dataフォルダ %1 がありません。</translation>
    </message>
    <message>
        <source>Cannot make the data folder in %1.</source>
        <translation>%1 にdataフォルダを作れません。</translation>
    </message>
    <message>
        <source>Choose the show folder (or its DATA folder) for the imported files</source>
        <translation>取り込むファイルを置くショー フォルダ (またはその DATA フォルダ) を選んでください</translation>
    </message>
    <message>
        <source>Channel %1 has no free frame from frame %2 on.</source>
        <translation>チャンネル %1 のフレーム %2 以降に空きフレームがありません。</translation>
    </message>
    <message>
        <source>Channel %1, from frame %2 on, into %3</source>
        <translation>チャンネル %1、フレーム %2 から、%3 へ</translation>
    </message>
    <message>
        <source>Importing %n audio file(s)...</source>
        <translation>
            </translation>
    </message>
    <message>
        <source>%1 was not imported: frame 16 was reached.</source>
        <translation>%1 は取り込まれませんでした: フレーム16に達しました。</translation>
    </message>
</context>
<context>
    <name>MatchLoudnessFlow</name>
    <message>
        <source>Match Loudness sets each phrase&apos;s volume so that all play as loud as the quietest one.

</source>
        <translation>ラウドネスの統一は、すべてのフレーズがいちばん小さいフレーズと同じ大きさで再生されるように各フレーズのボリュームを設定します。

</translation>
    </message>
    <message>
        <source>Yes: the phrases of channel %1
Yes to All: every phrase of the playlist</source>
        <translation>はい: チャンネル %1 のフレーズ
すべてはい: プレイリストのすべてのフレーズ</translation>
    </message>
    <message>
        <source>Yes to All: every phrase of the playlist</source>
        <translation>すべてはい: プレイリストのすべてのフレーズ</translation>
    </message>
    <message>
        <source>Match Loudness</source>
        <translation>ラウドネスの統一</translation>
    </message>
    <message>
        <source>There is no MP3 phrase to match.</source>
        <translation>統一するMP3フレーズがありません。</translation>
    </message>
    <message>
        <source>Measuring the loudness of %n phrase(s)...</source>
        <translation>
            </translation>
    </message>
    <message>
        <source>None of these phrases could be measured: their files are missing or hold no audio.</source>
        <translation>どのフレーズも測定できませんでした: ファイルがないか、オーディオがありません。</translation>
    </message>
    <message>
        <source>Every phrase now plays at about %1.</source>
        <translation>すべてのフレーズが約 %1 で再生されます。</translation>
    </message>
    <message>
        <source>No volume had to change.</source>
        <translation>変更が必要なボリュームはありませんでした。</translation>
    </message>
    <message>
        <source>%1: volume %2 dB to %3 dB</source>
        <translation>%1: ボリューム %2 dB → %3 dB</translation>
    </message>
    <message>
        <source>These stay louder, as -70 dB is not enough:</source>
        <translation>次のフレーズは -70 dB でも足りないため大きいままです:</translation>
    </message>
    <message>
        <source>%1: %2 LU louder</source>
        <translation>%1: %2 LU 大きい</translation>
    </message>
    <message>
        <source>Not measured (missing, or no audio), left as they are:</source>
        <translation>測定できなかったフレーズ (ファイルがない、またはオーディオがない) はそのままです:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
