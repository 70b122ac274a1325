<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CExportCardDlg</name>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="17"/>
        <source>Export to Card</source>
        <translation>カードへエクスポート</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="19"/>
        <source>Card folder: %1</source>
        <translation>カードのフォルダ: %1</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="25"/>
        <source>Problems found:</source>
        <translation>見つかった問題:</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="35"/>
        <source>Keep the files the playlist does not name</source>
        <translation>プレイリストで使われていないファイルを残す</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="36"/>
        <source>Remove them from the card after the copy</source>
        <translation>コピーの後でカードから削除する</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="50"/>
        <source>Nothing can be copied until these problems are solved.</source>
        <translation>これらの問題を解決するまでコピーできません。</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="54"/>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/exportcarddlg.cpp" line="25"/>
        <source>Please note:</source>
        <translation>確認してください:</translation>
    </message>
</context>
<context>
    <name>CFindFileDlg</name>
    <message>
        <location filename="../../src/dialogs/findfiledlg.cpp" line="12"/>
        <location filename="../../src/dialogs/findfiledlg.cpp" line="23"/>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findfiledlg.cpp" line="20"/>
        <source>VOICE01.MP3 or part of it</source>
        <translation>VOICE01.MP3 またはその一部</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findfiledlg.cpp" line="32"/>
        <source>File name:</source>
        <translation>ファイル名:</translation>
    </message>
</context>
<context>
    <name>CFindMissingDlg</name>
    <message>
        <location filename="../../src/dialogs/findmissingdlg.cpp" line="13"/>
        <source>Find Missing Files</source>
        <translation>見つからないファイルの検索</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findmissingdlg.cpp" line="18"/>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findmissingdlg.cpp" line="18"/>
        <source>Slots (channel-frame)</source>
        <translation>設定枠 (チャンネル-枠)</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findmissingdlg.cpp" line="25"/>
        <source>Relink...</source>
        <translation>再リンク...</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findmissingdlg.cpp" line="50"/>
        <source>Every file the playlist names is in the data folder.</source>
        <translation>プレイリストのファイルはすべてdataフォルダにあります。</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/findmissingdlg.cpp" line="51"/>
        <source>Files not in the data folder: %1</source>
        <translation>dataフォルダにないファイル: %1</translation>
    </message>
</context>
<context>
    <name>CImportAudioDlg</name>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="20"/>
        <source>Import Audio</source>
        <translation>オーディオの取り込み</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="25"/>
        <source>Audio file</source>
        <translation>オーディオ ファイル</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="25"/>
        <source>Name in the data folder (.MP3)</source>
        <translation>dataフォルダでの名前 (.MP3)</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="40"/>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="43"/>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="44"/>
        <source>MP3 bit rate (constant)</source>
        <translation>MP3 ビットレート (固定)</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="45"/>
        <source>Sample rate</source>
        <translation>サンプリング レート</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="47"/>
        <source>Mono files stay mono; anything else becomes stereo.</source>
        <translation>モノラルのファイルはモノラルのまま、それ以外はステレオになります。</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="51"/>
        <source>Import</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="118"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/importaudiodlg.cpp" line="120"/>
        <source>%1: %2.MP3 is already taken in the data folder.</source>
        <translation>%1: %2.MP3 はdataフォルダに既にあります。</translation>
    </message>
</context>
<context>
    <name>CMp3PhraseDlg</name>
    <message>
        <location filename="../../src/dialogs/mp3phrasedlg.cpp" line="26"/>
        <source>MP3 file setup</source>
        <translation>MP3ファイル設定</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/mp3phrasedlg.cpp" line="115"/>
        <source>MP3 file setup-[Channel%04d Phrase%02d %s]</source>
        <translation>MP3ファイル設定-[チャンネル%04d フレーズ%02d %s]</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/mp3phrasedlg.cpp" line="61"/>
        <source>Repeat times</source>
        <translation>リピート回数</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/mp3phrasedlg.cpp" line="63"/>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/mp3phrasedlg.cpp" line="66"/>
        <source>Interval seconds</source>
        <translation>インターバル秒</translation>
    </message>
</context>
<context>
    <name>CTextPhraseDlg</name>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="46"/>
        <source>Text file setup</source>
        <translation>テキストファイル設定</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="219"/>
        <source>Text file setup-[Channel%04d Phrase%02d %s]</source>
        <translation>テキストファイル設定-[チャンネル%04d フレーズ%02d %s]</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="140"/>
        <source>Text contents</source>
        <translation>テキスト内容</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="142"/>
        <source>Scroll Speed</source>
        <translation>スクロール速度</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="112"/>
        <source>Font Color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="113"/>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="88"/>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="88"/>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="88"/>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="88"/>
        <source>Amber</source>
        <translation>橙</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="116"/>
        <source>Display Mode</source>
        <translation>表示モード</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="118"/>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="118"/>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="118"/>
        <source>Shade</source>
        <translation>影付き</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="118"/>
        <source>Flash</source>
        <translation>点滅</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="148"/>
        <source>Interval Seconds</source>
        <translation>インターバル秒</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="130"/>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="254"/>
        <source>Display Minutes</source>
        <translation>表示分数</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="257"/>
        <source>Scroll Times</source>
        <translation>スクロール回数</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="152"/>
        <source>Magnification ratio (HxW)</source>
        <translation>文字サイズ (縦x横)</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="215"/>
        <source>1X1</source>
        <translation>1X1</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="215"/>
        <source>2X2</source>
        <translation>2X2</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="215"/>
        <source>1/4angle</source>
        <translation>1/4角</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="215"/>
        <source>2X1</source>
        <translation>2X1</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/textphrasedlg.cpp" line="215"/>
        <source>1X2</source>
        <translation>1X2</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <location filename="../../src/dialogs/dataexchange.cpp" line="55"/>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../../src/dialogs/help.cpp" line="131"/>
        <source>help_e.html</source>
        <translation>help.html</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/help.cpp" line="167"/>
        <location filename="../../src/dialogs/help.cpp" line="176"/>
        <source>Unable to open Help file</source>
        <translation>ヘルプ ファイルを開けません</translation>
    </message>
</context>
<context>
    <name>SettingsButtons</name>
    <message>
        <location filename="../../src/dialogs/settingsbuttons.cpp" line="12"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/settingsbuttons.cpp" line="16"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../../src/dialogs/settingsbuttons.cpp" line="19"/>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
</TS>
