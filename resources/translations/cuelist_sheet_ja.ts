<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>SheetText</name>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="17"/>
        <source>Repeat %1 / Vol. %2 dB</source>
        <translation>リピート %1 / 音量 %2 dB</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="48"/>
        <source>Int. %1 s / missing</source>
        <translation>間隔 %1秒 / ファイルなし</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="54"/>
        <source>Int. %1 s / Len. %2</source>
        <translation>間隔 %1秒 / 長さ %2</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="58"/>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="68"/>
        <source>Saved %1</source>
        <translation>保存 %1</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="72"/>
        <source>Not saved yet</source>
        <translation>未保存</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="74"/>
        <source> (with unsaved changes)</source>
        <translation>(未保存の変更あり)</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="77"/>
        <source>Channels in use: %1</source>
        <translation>使用チャンネル数: %1</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="87"/>
        <source>(not saved)</source>
        <translation>(未保存)</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="108"/>
        <source>Repeat: times repeated (∞: without end)   Vol.: volume   Int.: interval of silence   Len.: length of the file   Play time: the channel played through once (≥: some lengths not known)</source>
        <translation>リピート: 繰り返し回数 (∞: 無制限)   音量: 減衰量   間隔: 無音のインターバル   長さ: ファイルの再生時間   再生時間: チャンネルを一通り再生する時間 (≥: 長さの分からないファイルあり)</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="49"/>
        <location filename="../../src/sheet/sheetlayout.cpp" line="107"/>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="50"/>
        <location filename="../../src/sheet/sheetlayout.cpp" line="148"/>
        <source>Play time</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="130"/>
        <location filename="../../src/sheet/sheetlayout.cpp" line="180"/>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="113"/>
        <source>Frame %1 / %2</source>
        <translation>設定枠 %1 / %2</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="173"/>
        <source>No channel holds a file.</source>
        <translation>ファイルが設定されたチャンネルはありません。</translation>
    </message>
</context>
</TS>
