<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>ExportText</name>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="27"/>
        <source>The copy of %1 on the card differs from the original when read back; the card may be faulty.</source>
        <translation>カード上の %1 のコピーを読み戻すと元のファイルと一致しません。カードが故障している可能性があります。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="33"/>
        <source>Copying %1 failed. %2</source>
        <translation>%1 のコピーに失敗しました。%2</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="50"/>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダ %1 は存在しません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="52"/>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダではありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="54"/>
        <source>The folder %1 is read-only.</source>
        <translation>フォルダ %1 は読み取り専用です。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="56"/>
        <source>%1 holds the playlist&apos;s own data folder; choose the card&apos;s folder.</source>
        <translation>%1 にはこのプレイリスト自身のdataフォルダがあります。カードのフォルダを選んでください。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="59"/>
        <source>Another export to %1 is running.</source>
        <translation>%1 への別のエクスポートが実行中です。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="61"/>
        <source>%1 on the card is a file, not the data folder.</source>
        <translation>カード上の %1 はファイルで、dataフォルダではありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="63"/>
        <source>The card&apos;s playlist cannot be replaced: %1</source>
        <translation>カードのプレイリストを置き換えられません: %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="66"/>
        <source>%1 is not in the data folder.</source>
        <translation>%1 はdataフォルダにありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="68"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="70"/>
        <source>%1 is %2; a card holds no file of 4 GB or more.</source>
        <translation>%1 のサイズは %2 です。カードには 4 GB 以上のファイルは保存できません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="73"/>
        <source>The name &quot;%1&quot; holds a character that a card cannot hold.</source>
        <translation>名前 &quot;%1&quot; にはカードで使えない文字が含まれています。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="76"/>
        <source>%1 and %2 name different files, but a card cannot tell the names apart.</source>
        <translation>%1 と %2 は別のファイルですが、カードでは名前を区別できません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="80"/>
        <source>%1 on the card is not a file and cannot be replaced.</source>
        <translation>カード上の %1 はファイルではないため置き換えられません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="82"/>
        <source>The card has %1 free, but the export needs %2.</source>
        <translation>カードの空き容量は %1 ですが、エクスポートには %2 必要です。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="85"/>
        <source>Files in the card&apos;s data folder that the playlist does not name: %1</source>
        <translation>カードのdataフォルダにある、プレイリストで使われていないファイル: %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="88"/>
        <source>Temporary files of an interrupted export, to be removed: %1</source>
        <translation>中断されたエクスポートの一時ファイル (削除します): %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="103"/>
        <source>MP3 files to copy to %1: %2 (%3)</source>
        <translation>%1 にコピーするMP3ファイル: %2 (%3)</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="108"/>
        <source>Of these, replacing a file of the same name on the card: %1</source>
        <translation>うち、カード上の同名ファイルを置き換えるもの: %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="112"/>
        <source>Replace the playlist %1</source>
        <translation>プレイリスト %1 を置き換えます</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="113"/>
        <source>Write the playlist %1</source>
        <translation>プレイリスト %1 を書き込みます</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="115"/>
        <source>Space needed: %1 of %2 free</source>
        <translation>必要な容量: %1 (空き容量 %2)</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="126"/>
        <source>Nothing was copied:</source>
        <translation>何もコピーしませんでした:</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="131"/>
        <source>The export was cancelled. The card&apos;s playlist is unchanged and no temporary file is left.</source>
        <translation>エクスポートを中止しました。カードのプレイリストは変更されておらず、一時ファイルも残っていません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="137"/>
        <source>The new playlist is on the card.</source>
        <translation>新しいプレイリストはカードに書き込まれています。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="138"/>
        <source>The card&apos;s playlist is unchanged and no temporary file is left.</source>
        <translation>カードのプレイリストは変更されておらず、一時ファイルも残っていません。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="144"/>
        <source>MP3 files copied and verified: %1 (%2)</source>
        <translation>コピーして検証したMP3ファイル: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="147"/>
        <source>The playlist was written and verified.</source>
        <translation>プレイリストを書き込んで検証しました。</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="149"/>
        <source>Files removed that the playlist does not name: %1</source>
        <translation>削除した、プレイリストで使われていないファイル: %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="152"/>
        <source>Files kept that the playlist does not name: %1</source>
        <translation>残した、プレイリストで使われていないファイル: %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="155"/>
        <source>Could not remove: %1</source>
        <translation>削除できませんでした: %1</translation>
    </message>
    <message>
        <location filename="../../src/text/exporttext.cpp" line="159"/>
        <source>Temporary files of an interrupted export removed: %1</source>
        <translation>削除した、中断されたエクスポートの一時ファイル: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../../src/text/messages.cpp" line="58"/>
        <source>Selected setup frame or channel is unauthorized/invalid</source>
        <translation>選択された設定枠またはチャンネルは無効です</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="68"/>
        <source>Settable file name in half-size/one-byte character only</source>
        <translation>設定できるファイル名は半角文字のみです</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="70"/>
        <source>Settable file type in MP3 only</source>
        <translation>設定できるファイルの種類はMP3のみです</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="72"/>
        <source>Settable file name within 8 characters</source>
        <translation>設定できるファイル名は8文字以内です</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="74"/>
        <source>No space within settable file name</source>
        <translation>設定できるファイル名に空白は使えません</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="76"/>
        <source>File name has a character that the memory card cannot hold</source>
        <translation>ファイル名にメモリーカードで使えない文字が含まれています</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="89"/>
        <source>Frame or Channel No out of selected area</source>
        <translation>設定枠またはチャンネル番号が選択範囲外です</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="91"/>
        <source>Volume or Scroll Speed Error</source>
        <translation>音量またはスクロール速度のエラー</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="93"/>
        <source>Repeat Times or Scroll Times, Display Minutes Error</source>
        <translation>リピート回数またはスクロール回数・表示時間のエラー</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="95"/>
        <source>Interval Seconds Error</source>
        <translation>インターバル秒数のエラー</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="97"/>
        <source>No Registration</source>
        <translation>未登録</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="101"/>
        <source>Repeat Times = Unlimited</source>
        <translation>リピート回数 = 無制限</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="102"/>
        <source>Repeat Times=%d </source>
        <translation>リピート回数=%d </translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="103"/>
        <source>Volume=%d </source>
        <translation>音量=%d </translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="105"/>
        <source>Interval=%dsec. </source>
        <translation>インターバル=%d秒 </translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="116"/>
        <source>Channel</source>
        <translation>チャンネル名</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="117"/>
        <source>,Set up Frame%02d</source>
        <translation>,設定枠%02d</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="125"/>
        <source>        Total data size:</source>
        <translation>        総データサイズ:</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="132"/>
        <source>Channel %1, frame %2: a record outside channels 1-127 (type %3) was emptied on loading</source>
        <translation>チャンネル %1、設定枠 %2: チャンネル1～127の外にあるデータ (種類 %3) を読み込み時に削除しました</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="138"/>
        <source>Channel %1, frame %2: a record of unknown type %3 was emptied on loading</source>
        <translation>チャンネル %1、設定枠 %2: 不明な種類 %3 のデータを読み込み時に削除しました</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="157"/>
        <location filename="../../src/text/messages.cpp" line="253"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="159"/>
        <source>%1 is a symbolic link to a file that does not exist.</source>
        <translation>%1 は存在しないファイルへのシンボリックリンクです。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="161"/>
        <source>%1 is a symbolic link of another user in a shared folder; it is not followed.</source>
        <translation>%1 は共有フォルダーにある他のユーザーのシンボリックリンクのため、たどりません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="165"/>
        <source>%1 is write-protected.</source>
        <translation>%1 は書き込み禁止です。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="167"/>
        <source>No file can be saved in the folder %1: %2</source>
        <translation>フォルダー %1 にファイルを保存できません: %2</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="170"/>
        <source>%1 is larger than %2 bytes; it is not read.</source>
        <translation>%1 は %2 バイトを超えているため、読み込みません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="173"/>
        <source>%1 names an open file descriptor, not a file that can be replaced.</source>
        <translation>%1 は開いているファイル記述子を指しており、置き換えられるファイルではありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="178"/>
        <location filename="../../src/text/messages.cpp" line="251"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="178"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="217"/>
        <source>The folders %1 are beside the playlist; the files are taken from %2 only.</source>
        <translation>プレイリストの横にフォルダー %1 があります。ファイルは %2 からのみ読み込まれます。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="227"/>
        <source>%1, stops at frame %2 (file missing or unplayable)</source>
        <translation>%1、設定枠%2で停止(ファイルがないか再生できません)</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="78"/>
        <source>File name starts or ends with a space or tab; rename the file</source>
        <translation>ファイル名の先頭または末尾に空白かタブがあります。ファイル名を変更してください</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="244"/>
        <source>%1 was not imported: %2 now exists in the data folder.</source>
        <translation>%1 は取り込まれませんでした: %2 がdataフォルダに作られていました。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="255"/>
        <source>%1 holds no audio that can be read.</source>
        <translation>%1 には読み込めるオーディオがありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="257"/>
        <source>Cannot write %1 for %2: %3</source>
        <translation>%2 の %1 を書き込めません: %3</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="260"/>
        <source>%1 was not imported: the MP3 encoder (GStreamer&apos;s lamemp3enc) is not available.</source>
        <translation>%1 は取り込まれませんでした: MP3 エンコーダー (GStreamer の lamemp3enc) がありません。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="264"/>
        <source>The import was cancelled.</source>
        <translation>取り込みはキャンセルされました。</translation>
    </message>
    <message>
        <location filename="../../src/text/messages.cpp" line="273"/>
        <location filename="../../src/text/messages.cpp" line="278"/>
        <source>silent</source>
        <translation>無音</translation>
    </message>
</context>
</TS>
