<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCueView</name>
    <message>
        <source>Select File(&amp;F)</source>
        <comment>empty slot</comment>
        <translation type="vanished">ﾌｧｲﾙ名設定(&amp;F)</translation>
    </message>
    <message>
        <source>Select File(&amp;F)</source>
        <comment>occupied slot</comment>
        <translation type="vanished">ﾌｧｲﾙの再選択(&amp;F)</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation type="vanished">切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation type="vanished">コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation type="vanished">貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation type="vanished">削除(&amp;D)</translation>
    </message>
    <message>
        <source>Play(&amp;W)</source>
        <translation type="vanished">再生(&amp;W)</translation>
    </message>
    <message>
        <source>Unknown File Type. Reset File Name</source>
        <translation type="vanished">ファイルの種類が不明です。ファイル名を設定し直してください</translation>
    </message>
</context>
<context>
    <name>CueGridModel</name>
    <message>
        <source>Channel</source>
        <translation type="vanished">チャンネル</translation>
    </message>
    <message>
        <source>     Phrase%1     </source>
        <translation type="vanished">    設定枠%1    </translation>
    </message>
</context>
</TS>
