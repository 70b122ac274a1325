<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>SheetText</name>
    <message>
        <source>Repeat %1 / Vol. %2 dB</source>
        <translation>リピート %1 / 音量 %2 dB</translation>
    </message>
    <message>
        <source>Int. %1 s / missing</source>
        <translation>間隔 %1秒 / ファイルなし</translation>
    </message>
    <message>
        <source>Int. %1 s / Len. %2</source>
        <translation>間隔 %1秒 / 長さ %2</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>保存 %1</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source> (with unsaved changes)</source>
        <translation>(未保存の変更あり)</translation>
    </message>
    <message>
        <source>Channels in use: %1</source>
        <translation>使用チャンネル数: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(未保存)</translation>
    </message>
    <message>
        <source>Repeat: times repeated (∞: without end)   Vol.: volume   Int.: interval of silence   Len.: length of the file   Play time: the channel played through once (≥: some lengths not known)</source>
        <translation>リピート: 繰り返し回数 (∞: 無制限)   音量: 減衰量   間隔: 無音のインターバル   長さ: ファイルの再生時間   再生時間: チャンネルを一通り再生する時間 (≥: 長さの分からないファイルあり)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Stops at %1</source>
        <translation>設定枠%1で停止</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>Frame %1 / %2</source>
        <translation>設定枠 %1 / %2</translation>
    </message>
    <message>
        <source>No channel holds a file.</source>
        <translation>ファイルが設定されたチャンネルはありません。</translation>
    </message>
</context>
</TS>
