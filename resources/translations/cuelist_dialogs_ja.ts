<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>CMp3PhraseDlg</name>
    <message>
        <source>MP3 file setup</source>
        <translation>MP3ファイル設定</translation>
    </message>
    <message>
        <source>MP3 file setup-[Channel%04d Phrase%02d %s]</source>
        <translation>MP3ファイル設定-[チャンネル%04d フレーズ%02d %s]</translation>
    </message>
    <message>
        <source>Repeat times</source>
        <translation>リピート回数</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Interval seconds</source>
        <translation>インターバル秒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>CTextPhraseDlg</name>
    <message>
        <source>Text file setup</source>
        <translation>テキストファイル設定</translation>
    </message>
    <message>
        <source>Text file setup-[Channel%04d Phrase%02d %s]</source>
        <translation>テキストファイル設定-[チャンネル%04d フレーズ%02d %s]</translation>
    </message>
    <message>
        <source>Text contents</source>
        <translation>テキスト内容</translation>
    </message>
    <message>
        <source>Scroll Speed</source>
        <translation>スクロール速度</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>橙</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>表示モード</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>影付き</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>点滅</translation>
    </message>
    <message>
        <source>Interval Seconds</source>
        <translation>インターバル秒</translation>
    </message>
    <message>
        <source>Display Minutes</source>
        <translation>表示分数</translation>
    </message>
    <message>
        <source>Scroll Times</source>
        <translation>スクロール回数</translation>
    </message>
    <message>
        <source>Magnification ratio (HxW)</source>
        <translation>文字サイズ (縦x横)</translation>
    </message>
    <message>
        <source>1X1</source>
        <translation>1X1</translation>
    </message>
    <message>
        <source>2X2</source>
        <translation>2X2</translation>
    </message>
    <message>
        <source>1/4angle</source>
        <translation>1/4角</translation>
    </message>
    <message>
        <source>2X1</source>
        <translation>2X1</translation>
    </message>
    <message>
        <source>1X2</source>
        <translation>1X2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>CFindMissingDlg</name>
    <message>
        <source>Find Missing Files</source>
        <translation>見つからないファイルの検索</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Slots (channel-frame)</source>
        <translation>設定枠 (チャンネル-枠)</translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>再リンク...</translation>
    </message>
    <message>
        <source>Every file the playlist names is in the data folder.</source>
        <translation>プレイリストのファイルはすべてdataフォルダにあります。</translation>
    </message>
    <message>
        <source>Files not in the data folder: %1</source>
        <translation>dataフォルダにないファイル: %1</translation>
    </message>
</context>
<context>
    <name>CFindFileDlg</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>VOICE01.MP3 or part of it</source>
        <translation>VOICE01.MP3 またはその一部</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>ファイル名:</translation>
    </message>
</context>
</TS>
