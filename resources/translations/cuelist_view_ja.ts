<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCueView</name>
    <message>
        <location filename="../../src/view/cueview_menu.cpp" line="+34"/>
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
        <location line="+5"/>
        <location line="+4"/>
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
</context>
<context>
    <name>CueGridModel</name>
    <message>
        <location filename="../../src/view/cuegridmodel.cpp" line="+86"/>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>     Phrase%1     </source>
        <translation>    設定枠%1    </translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Duration: %1</source>
        <translation>長さ: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Loudness: %1, true peak %2</source>
        <translation>ラウドネス: %1、トゥルーピーク %2</translation>
    </message>
</context>
<context>
    <name>SlotFinder</name>
    <message>
        <location filename="../../src/view/slotfinder.cpp" line="+58"/>
        <source>No slot uses a file whose name contains &quot;%1&quot;.</source>
        <translation>名前に「%1」を含むファイルを使っている設定枠はありません。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 of %2: %3</source>
        <translation>%2 件中 %1 件目: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(missing from the data folder: Relink File names another)</source>
        <translation>（dataフォルダにありません: ファイルの再リンクで別のファイルを設定できます）</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>%1 relinked</source>
        <translation>%1 を再リンクしました</translation>
    </message>
</context>
</TS>
