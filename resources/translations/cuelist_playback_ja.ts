<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CPlayChannelDlg</name>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="52"/>
        <source>Play Channel</source>
        <translation>チャンネル再生</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="54"/>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="55"/>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="56"/>
        <source>Phrase</source>
        <translation>フレーズ</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="57"/>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="58"/>
        <source>Repeat times</source>
        <translation>繰り返し回数</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="59"/>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="60"/>
        <source>Interval seconds</source>
        <translation>間隔秒数</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="66"/>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="67"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="68"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="220"/>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="230"/>
        <source>Stopping</source>
        <translation>停止中</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="243"/>
        <source>Phrase%02d</source>
        <translation>フレーズ%02d</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="249"/>
        <source>Unlimited</source>
        <translation>無制限</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="269"/>
        <source>Output file %s.MP3 doesn&apos;t exist. </source>
        <translation>出力ファイル %s.MP3 が存在しません。</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="270"/>
        <source>It failed in playing output file %s.MP3. </source>
        <translation>出力ファイル %s.MP3 の再生に失敗しました。</translation>
    </message>
    <message>
        <location filename="../../src/playback/playchanneldlg.cpp" line="61"/>
        <source>Time</source>
        <translation>時間</translation>
    </message>
</context>
</TS>
