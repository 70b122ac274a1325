<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message>
        <location filename="../../src/text/messages.cpp" line="56"/>
        <source>Selected setup frame or channel is unauthorized/invalid</source>
        <translation>選択された設定枠またはチャンネルは無効です</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="66"/>
        <source>Settable file name in half-size/one-byte character only</source>
        <translation>設定できるファイル名は半角文字のみです</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="68"/>
        <source>Settable file type in MP3 only</source>
        <translation>設定できるファイルの種類はMP3のみです</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="70"/>
        <source>Settable file name within 8 characters</source>
        <translation>設定できるファイル名は8文字以内です</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="72"/>
        <source>No space within settable file name</source>
        <translation>設定できるファイル名に空白は使えません</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="74"/>
        <source>File name has a character that the memory card cannot hold</source>
        <translation>ファイル名にメモリーカードで使えない文字が含まれています</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="87"/>
        <source>Frame or Channel No out of selected area</source>
        <translation>設定枠またはチャンネル番号が選択範囲外です</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="89"/>
        <source>Volume or Scroll Speed Error</source>
        <translation>音量またはスクロール速度のエラー</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="91"/>
        <source>Repeat Times or Scroll Times, Display Minutes Error</source>
        <translation>リピート回数またはスクロール回数・表示時間のエラー</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="93"/>
        <source>Interval Seconds Error</source>
        <translation>インターバル秒数のエラー</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="95"/>
        <source>No Registration</source>
        <translation>未登録</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="99"/>
        <source>Repeat Times = Unlimited</source>
        <translation>リピート回数 = 無制限</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="100"/>
        <source>Repeat Times=%d </source>
        <translation>リピート回数=%d </translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="101"/>
        <source>Volume=%d </source>
        <translation>音量=%d </translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="103"/>
        <source>Interval=%dsec. </source>
        <translation>インターバル=%d秒 </translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="114"/>
        <source>Channel</source>
        <translation>チャンネル名</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="115"/>
        <source>,Set up Frame%02d</source>
        <translation>,設定枠%02d</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="123"/>
        <source>        Total data size:</source>
        <translation>        総データサイズ:</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="130"/>
        <source>Channel %1, frame %2: a record outside channels 1-127 (type %3) was emptied on loading</source>
        <translation>チャンネル %1、設定枠 %2: チャンネル1～127の外にあるデータ (種類 %3) を読み込み時に削除しました</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="136"/>
        <source>Channel %1, frame %2: a record of unknown type %3 was emptied on loading</source>
        <translation>チャンネル %1、設定枠 %2: 不明な種類 %3 のデータを読み込み時に削除しました</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="155"/>
        <location filename="../../src/text/messages.cpp" line="244"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="157"/>
        <source>%1 is a symbolic link to a file that does not exist.</source>
        <translation>%1 は存在しないファイルへのシンボリックリンクです。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="159"/>
        <source>%1 is a symbolic link of another user in a shared folder; it is not followed.</source>
        <translation>%1 は共有フォルダーにある他のユーザーのシンボリックリンクのため、たどりません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="163"/>
        <source>%1 is write-protected.</source>
        <translation>%1 は書き込み禁止です。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="165"/>
        <source>The folder %1 is read-only; no file can be saved in it.</source>
        <translation>フォルダー %1 は読み取り専用のため、ファイルを保存できません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="169"/>
        <location filename="../../src/text/messages.cpp" line="242"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="169"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="208"/>
        <source>The folders %1 are beside the playlist; the files are taken from %2 only.</source>
        <translation>プレイリストの横にフォルダー %1 があります。ファイルは %2 からのみ読み込まれます。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="218"/>
        <source>%1, stops at frame %2 (file missing or unplayable)</source>
        <translation>%1、設定枠%2で停止(ファイルがないか再生できません)</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="235"/>
        <source>%1 was not imported: %2 now exists in the data folder.</source>
        <translation>%1 は取り込まれませんでした: %2 がdataフォルダに作られていました。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="246"/>
        <source>%1 holds no audio that can be read.</source>
        <translation>%1 には読み込めるオーディオがありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="248"/>
        <source>Cannot write %1 for %2: %3</source>
        <translation>%2 の %1 を書き込めません: %3</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="251"/>
        <source>%1 was not imported: the MP3 encoder (GStreamer&apos;s lamemp3enc) is not available.</source>
        <translation>%1 は取り込まれませんでした: MP3 エンコーダー (GStreamer の lamemp3enc) がありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="255"/>
        <source>The import was cancelled.</source>
        <translation>取り込みはキャンセルされました。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="264"/>
        <location filename="../../src/text/messages.cpp" line="269"/>
        <source>silent</source>
        <translation>無音</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="76"/>
        <source>File name starts or ends with a space or tab; rename the file</source>
        <translation>ファイル名の先頭または末尾に空白かタブがあります。ファイル名を変更してください</translation>
    </message>
</context>
</TS>
