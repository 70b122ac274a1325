<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CPlayChannelDlg</name>
    <message>
        <source>Play Channel</source>
        <translation>チャンネル再生</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>フレーズ</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Repeat times</source>
        <translation>繰り返し回数</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Interval seconds</source>
        <translation>間隔秒数</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Phrase%02d</source>
        <translation>フレーズ%02d</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>無制限</translation>
    </message>
    <message>
        <source>Output file %s.MP3 doesn&apos;t exist. </source>
        <translation>出力ファイル %s.MP3 が存在しません。</translation>
    </message>
    <message>
        <source>It failed in playing output file %s.MP3. </source>
        <translation>出力ファイル %s.MP3 の再生に失敗しました。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
</context>
</TS>
