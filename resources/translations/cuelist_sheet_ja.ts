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
        <location filename="../../src/sheet/sheetcontent.cpp" line="43"/>
        <source>Int. %1 s / missing</source>
        <translation>間隔 %1秒 / ファイルなし</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="49"/>
        <source>Int. %1 s / Len. %2</source>
        <translation>間隔 %1秒 / 長さ %2</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="53"/>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="63"/>
        <source>Saved %1</source>
        <translation>保存 %1</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="67"/>
        <source>Not saved yet</source>
        <translation>未保存</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="69"/>
        <source> (with unsaved changes)</source>
        <translation>(未保存の変更あり)</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="72"/>
        <source>Channels in use: %1</source>
        <translation>使用チャンネル数: %1</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="82"/>
        <source>(not saved)</source>
        <translation>(未保存)</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetcontent.cpp" line="106"/>
        <source>Repeat: times repeated (∞: without end)   Vol.: volume   Int.: interval of silence   Len.: length of the file   Play time: the channel played through once (≥: some lengths not known)</source>
        <translation>リピート: 繰り返し回数 (∞: 無制限)   音量: 減衰量   間隔: 無音のインターバル   長さ: ファイルの再生時間   再生時間: チャンネルを一通り再生する時間 (≥: 長さの分からないファイルあり)</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="56"/>
        <location filename="../../src/sheet/sheetlayout.cpp" line="118"/>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="57"/>
        <location filename="../../src/sheet/sheetlayout.cpp" line="160"/>
        <source>Play time</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="36"/>
        <source>Stops at %1</source>
        <translation>設定枠%1で停止</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="141"/>
        <location filename="../../src/sheet/sheetlayout.cpp" line="192"/>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="124"/>
        <source>Frame %1 / %2</source>
        <translation>設定枠 %1 / %2</translation>
    </message>
    <message>
        <location filename="../../src/sheet/sheetlayout.cpp" line="185"/>
        <source>No channel holds a file.</source>
        <translation>ファイルが設定されたチャンネルはありません。</translation>
    </message>
</context>
</TS>
