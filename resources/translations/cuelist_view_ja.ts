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
</TS>
