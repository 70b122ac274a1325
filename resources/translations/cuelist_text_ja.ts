<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message>
        <source>Selected setup frame or channel is unauthorized/invalid</source>
        <translation>選択された設定枠またはチャンネルは無効です</translation>
    </message>
    <message>
        <source>Settable file name in half-size/one-byte character only</source>
        <translation>設定できるファイル名は半角文字のみです</translation>
    </message>
    <message>
        <source>Settable file type in MP3 only</source>
        <translation>設定できるファイルの種類はMP3のみです</translation>
    </message>
    <message>
        <source>Settable file name within 8 characters</source>
        <translation>設定できるファイル名は8文字以内です</translation>
    </message>
    <message>
        <source>No space within settable file name</source>
        <translation>設定できるファイル名に空白は使えません</translation>
    </message>
    <message>
        <source>File name has a character that the memory card cannot hold</source>
        <translation>ファイル名にメモリーカードで使えない文字が含まれています</translation>
    </message>
    <message>
        <source>Frame or Channel No out of selected area</source>
        <translation>設定枠またはチャンネル番号が選択範囲外です</translation>
    </message>
    <message>
        <source>Volume or Scroll Speed Error</source>
        <translation>音量またはスクロール速度のエラー</translation>
    </message>
    <message>
        <source>Repeat Times or Scroll Times, Display Minutes Error</source>
        <translation>リピート回数またはスクロール回数・表示時間のエラー</translation>
    </message>
    <message>
        <source>Interval Seconds Error</source>
        <translation>インターバル秒数のエラー</translation>
    </message>
    <message>
        <source>No Registration</source>
        <translation>未登録</translation>
    </message>
    <message>
        <source>Repeat Times = Unlimited</source>
        <translation>リピート回数 = 無制限</translation>
    </message>
    <message>
        <source>Repeat Times=%d </source>
        <translation>リピート回数=%d </translation>
    </message>
    <message>
        <source>Volume=%d </source>
        <translation>音量=%d </translation>
    </message>
    <message>
        <source>Interval=%dsec. </source>
        <translation>インターバル=%d秒 </translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル名</translation>
    </message>
    <message>
        <source>,Set up Frame%02d</source>
        <translation>,設定枠%02d</translation>
    </message>
    <message>
        <source>        Total data size:</source>
        <translation>        総データサイズ:</translation>
    </message>
    <message>
        <source>Channel %1, frame %2: a record outside channels 1-127 (type %3) was emptied on loading</source>
        <translation>チャンネル %1、設定枠 %2: チャンネル1～127の外にあるデータ (種類 %3) を読み込み時に削除しました</translation>
    </message>
    <message>
        <source>Channel %1, frame %2: a record of unknown type %3 was emptied on loading</source>
        <translation>チャンネル %1、設定枠 %2: 不明な種類 %3 のデータを読み込み時に削除しました</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to a file that does not exist.</source>
        <translation>%1 は存在しないファイルへのシンボリックリンクです。</translation>
    </message>
    <message>
        <source>%1 is a symbolic link of another user in a shared folder; it is not followed.</source>
        <translation>%1 は共有フォルダーにある他のユーザーのシンボリックリンクのため、たどりません。</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 は書き込み禁止です。</translation>
    </message>
    <message>
        <source>The folder %1 is read-only; no file can be saved in it.</source>
        <translation>フォルダー %1 は読み取り専用のため、ファイルを保存できません。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The folders %1 are beside the playlist; the files are taken from %2 only.</source>
        <translation>プレイリストの横にフォルダー %1 があります。ファイルは %2 からのみ読み込まれます。</translation>
    </message>
    <message>
        <source>%1, stops at frame %2 (file missing or unplayable)</source>
        <translation>%1、設定枠%2で停止(ファイルがないか再生できません)</translation>
    </message>
    <message>
        <source>File name starts or ends with a space or tab; rename the file</source>
        <translation>ファイル名の先頭または末尾に空白かタブがあります。ファイル名を変更してください</translation>
    </message>
</context>
</TS>
