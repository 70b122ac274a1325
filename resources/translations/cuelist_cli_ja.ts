<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CliText</name>
    <message>
        <location filename="../../src/cli/checkcommand.cpp" line="36"/>
        <source>Not in the data folder: %1</source>
        <translation>dataフォルダにありません: %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/sheetcommand.cpp" line="23"/>
        <location filename="../../src/cli/csvcommand.cpp" line="19"/>
        <source>The output file %1 is the playlist itself.</source>
        <translation>出力ファイル %1 はプレイリストそのものです。</translation>
    </message>
    <message>
        <location filename="../../src/cli/editcommands.cpp" line="37"/>
        <source>The file name is blank; use &quot;cuelist clear&quot; to empty a slot.</source>
        <translation>ファイル名が空白です。設定枠を空にするには &quot;cuelist clear&quot; を使用してください。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="75"/>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 には %2～%3 の整数を指定してください (&quot;%4&quot; は指定できません)。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="99"/>
        <source>No command given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="111"/>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>不明なコマンド &quot;%1&quot; です。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="147"/>
        <source>Unknown option &quot;%1&quot; for %2.</source>
        <translation>%2 に不明なオプション &quot;%1&quot; が指定されました。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="150"/>
        <location filename="../../src/cli/invocation.cpp" line="189"/>
        <source>Option %1 needs a value.</source>
        <translation>オプション %1 には値が必要です。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="156"/>
        <source>Wrong number of arguments for %1.</source>
        <translation>%1 の引数の数が正しくありません。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="162"/>
        <source>The playlist name is empty.</source>
        <translation>プレイリスト名が空です。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="197"/>
        <source>--paper must be a4 or letter, not &quot;%1&quot;.</source>
        <translation>--paper には a4 または letter を指定してください (&quot;%1&quot; は使えません)。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="238"/>
        <source>sheet needs -o FILE.pdf (or -o - for standard output).</source>
        <translation>sheet には -o FILE.pdf (標準出力には -o -) が必要です。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="223"/>
        <source>--bitrate must be one of %1, not &quot;%2&quot;.</source>
        <translation>--bitrate は %1 のいずれかです (&quot;%2&quot; は使えません)。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="228"/>
        <source>--rate must be one of %1, not &quot;%2&quot;.</source>
        <translation>--rate は %1 のいずれかです (&quot;%2&quot; は使えません)。</translation>
    </message>
    <message>
        <location filename="../../src/cli/run.cpp" line="12"/>
        <source>Usage: cuelist COMMAND PLAYLIST [ARGUMENTS]
Reads and edits playlist files (.slp).

Commands:
  csv   PLAYLIST [-o OUTPUT]
        Write the file names as CSV, to OUTPUT or to standard output (-).
  show  PLAYLIST [--channel N] [--json]
        List the assigned slots of channels 1-127 with their settings, one
        line of four tab-separated fields each (control characters escaped),
        or every field of each slot as JSON.
  check PLAYLIST
        List the records that loading empties, the files missing from the
        data folder, and the total data size.
  set   PLAYLIST CHANNEL FRAME NAME [--volume DB] [--repeat N] [--interval S]
        Assign the MP3 file NAME to a slot. A new playlist is created when
        PLAYLIST does not exist. --volume 0 to -70 (dB), --repeat 0 to 255
        (255: unlimited), --interval 0 to 3600 (seconds).
  clear PLAYLIST CHANNEL [FRAME]
        Empty one slot, or every slot of the channel.
  apply PLAYLIST [FILE|-]
        Read &quot;set&quot; and &quot;clear&quot; lines (their arguments after PLAYLIST) from
        FILE (a file or a pipe) or standard input, check them all, then write
        the playlist once.
  times PLAYLIST [--channel N]
        List the length of each assigned MP3 file and the play time of each
        channel (∞: repeats without end, ?: length not known).
  export PLAYLIST TARGET [--dry-run] [--remove-extra|--keep-extra]
        Copy the playlist and exactly the MP3 files it names to the card folder
        TARGET and its DATA folder. Every problem is listed before anything is
        copied; each file is verified by reading it back, and the card&apos;s
        playlist is replaced last. Files in TARGET/DATA that the playlist does
        not name are kept unless --remove-extra is given. --dry-run prints the
        plan and the problems and changes nothing.
  sheet PLAYLIST -o FILE.pdf [--paper a4|letter]
        Write the printable cue sheet as PDF: each channel in use with its
        files, settings, lengths and play time, missing files marked.
        Landscape; the paper follows the locale unless --paper is given.
  loudness PLAYLIST [--channel N]
        List the integrated loudness (LUFS) and true peak (dBTP) of each
        assigned MP3 file, and how loud it plays at the slot&apos;s volume.
  import PLAYLIST CHANNEL FRAME FILE... [--bitrate KBPS] [--rate HZ]
        Encode audio files (WAV, FLAC, OGG, Opus, MP3...) as MP3 into the
        data folder under new unique names and assign them to consecutive
        free frames from FRAME on. Default 128 kbps, 44100 Hz.
  --repair  (set, clear, apply, import) Allow saving without the records that
        the editor cannot use (text phrases, channels above 127) and bytes after
        the end of the playlist; without it such a playlist is refused.
  --help     Show this help.
  --version  Show the version.

CHANNEL is 1 to 127, FRAME is 1 to 16. csv, show, check, times, loudness,
export and sheet never change the playlist.
Exit status: 0 success, 1 name or edit refused, --repair needed or problems
found by check or export, 2 usage error or a file that cannot be read or
written, 3 export failed while copying, 4 export interrupted (3 and 4 leave
the card&apos;s old playlist in place).</source>
        <translation>使い方: cuelist COMMAND PLAYLIST [ARGUMENTS]
プレイリストファイル (.slp) を読み込み、編集します。

コマンド:
  csv   PLAYLIST [-o OUTPUT]
        ファイル名をCSV形式で OUTPUT または標準出力 (-) に書き出します。
  show  PLAYLIST [--channel N] [--json]
        チャンネル1～127の設定済みの設定枠を設定内容とともに、タブ区切りの
        4項目を1行として表示します (制御文字はエスケープします)。--json では
        各設定枠のすべての項目をJSONで表示します。
  check PLAYLIST
        読み込み時に削除されるデータ、dataフォルダにないファイル、
        総データサイズを表示します。
  set   PLAYLIST CHANNEL FRAME NAME [--volume DB] [--repeat N] [--interval S]
        MP3ファイル NAME を設定枠に設定します。PLAYLIST が存在しない場合は
        新しいプレイリストを作成します。--volume 0～-70 (dB)、--repeat 0～255
        (255: 無制限)、--interval 0～3600 (秒)。
  clear PLAYLIST CHANNEL [FRAME]
        設定枠を1つ、またはチャンネルのすべての設定枠を空にします。
  apply PLAYLIST [FILE|-]
        &quot;set&quot; と &quot;clear&quot; の行 (PLAYLIST より後の引数) を FILE
        (ファイルまたはパイプ) または標準入力から読み込み、すべて確認してから
        プレイリストを一度だけ書き込みます。
  times PLAYLIST [--channel N]
        設定済みの各MP3ファイルの長さと、各チャンネルの再生時間を表示します
        (∞: 無制限に繰り返し、?: 長さ不明)。
  export PLAYLIST TARGET [--dry-run] [--remove-extra|--keep-extra]
        プレイリストと、それが使うMP3ファイルだけをカードのフォルダ TARGET と
        その DATA フォルダにコピーします。コピーの前にすべての問題を表示し、
        各ファイルは読み戻して検証し、カードのプレイリストは最後に置き換えます。
        TARGET/DATA にあるプレイリストで使われていないファイルは、
        --remove-extra を指定しない限り残します。--dry-run では計画と問題を
        表示するだけで、何も変更しません。
  sheet PLAYLIST -o FILE.pdf [--paper a4|letter]
        印刷用のキューシートをPDFで書き出します。使用中の各チャンネルの
        ファイル、設定、長さ、再生時間を載せ、見つからないファイルに印を付けます。
        横向きで、用紙は --paper を指定しない限りロケールに従います。
  loudness PLAYLIST [--channel N]
        設定済みの各MP3ファイルの統合ラウドネス (LUFS) とトゥルーピーク (dBTP)、
        設定枠のボリュームで再生したときの大きさを表示します。
  import PLAYLIST CHANNEL FRAME FILE... [--bitrate KBPS] [--rate HZ]
        オーディオ ファイル (WAV、FLAC、OGG、Opus、MP3...) を MP3 に変換して
        新しい一意の名前でdataフォルダに置き、FRAME 以降の空きフレームに
        順に設定します。既定は 128 kbps、44100 Hz です。
  --repair  (set、clear、apply、import) エディターで使用できないデータ (テキストフレーズ、
        チャンネル128以上) とプレイリストの終わりより後のデータを削除して
        保存することを許可します。指定しない場合、そのようなプレイリストは
        拒否します。
  --help     このヘルプを表示します。
  --version  バージョンを表示します。

CHANNEL は 1～127、FRAME は 1～16 です。csv、show、check、times、loudness、export、sheet は
プレイリストを変更しません。
終了ステータス: 0 成功、1 ファイル名または編集の拒否、--repair が必要、
check または export で問題あり、2 使い方の誤り、またはファイルの読み書きが
できない、3 export のコピー中の失敗、4 export の中断 (3 と 4 ではカードの
古いプレイリストが残ります)。</translation>
    </message>
    <message>
        <location filename="../../src/cli/run.cpp" line="78"/>
        <source>Try &quot;cuelist --help&quot;.</source>
        <translation>&quot;cuelist --help&quot; で使い方を表示します。</translation>
    </message>
    <message>
        <location filename="../../src/cli/run.cpp" line="128"/>
        <source>Cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/playlistio.cpp" line="94"/>
        <source>%1 is not a playlist file name (.slp).</source>
        <translation>%1 はプレイリストのファイル名 (.slp) ではありません。</translation>
    </message>
    <message>
        <location filename="../../src/cli/playlistio.cpp" line="56"/>
        <source>%1 has %2 bytes after the %3 bytes of a playlist; they are ignored.</source>
        <translation>%1 にはプレイリストの %3 バイトの後に %2 バイトのデータがあります。これらは無視されます。</translation>
    </message>
    <message>
        <location filename="../../src/cli/playlistio.cpp" line="77"/>
        <source>Saving would remove what the editor cannot use; give --repair to remove it:</source>
        <translation>保存するとエディターで使用できないデータが削除されます。削除するには --repair を指定してください:</translation>
    </message>
    <message>
        <location filename="../../src/cli/playlistio.cpp" line="80"/>
        <source>  channel %1, frame %2 (type %3)</source>
        <translation>  チャンネル %1、設定枠 %2 (種類 %3)</translation>
    </message>
    <message>
        <location filename="../../src/cli/playlistio.cpp" line="86"/>
        <source>  %1 bytes after the end of the playlist</source>
        <translation>  プレイリストの終わりより後の %1 バイト</translation>
    </message>
    <message>
        <location filename="../../src/cli/playlistio.cpp" line="135"/>
        <source>%1 names an open file descriptor; give &quot;-o -&quot; to write to standard output.</source>
        <translation>%1 は開いているファイル記述子を指しています。標準出力に書き出すには &quot;-o -&quot; を指定してください。</translation>
    </message>
    <message>
        <location filename="../../src/cli/editcommands.cpp" line="71"/>
        <location filename="../../src/cli/editcommands.cpp" line="148"/>
        <location filename="../../src/cli/editcommands.cpp" line="154"/>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/editcommands.cpp" line="92"/>
        <source>Standard input is larger than %1 bytes; it is not read.</source>
        <translation>標準入力が %1 バイトを超えているため、読み込みません。</translation>
    </message>
    <message>
        <location filename="../../src/cli/editcommands.cpp" line="95"/>
        <source>Cannot read standard input: %1</source>
        <translation>標準入力を読み込めません: %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/editcommands.cpp" line="144"/>
        <source>only &quot;set&quot; and &quot;clear&quot; lines can be applied.</source>
        <translation>適用できるのは &quot;set&quot; と &quot;clear&quot; の行だけです。</translation>
    </message>
    <message>
        <location filename="../../src/cli/editcommands.cpp" line="146"/>
        <source>--repair belongs on the apply command line.</source>
        <translation>--repair は apply のコマンド行に指定してください。</translation>
    </message>
    <message>
        <location filename="../../src/cli/timescommand.cpp" line="38"/>
        <source>Play time</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="180"/>
        <source>The target folder name is empty.</source>
        <translation>出力先フォルダ名が空です。</translation>
    </message>
    <message>
        <location filename="../../src/cli/invocation.cpp" line="182"/>
        <source>Give either --remove-extra or --keep-extra, not both.</source>
        <translation>--remove-extra と --keep-extra はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <location filename="../../src/cli/exportcommand.cpp" line="29"/>
        <source>Problem: %1</source>
        <translation>問題: %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/exportcommand.cpp" line="29"/>
        <source>Note: %1</source>
        <translation>注意: %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/exportcommand.cpp" line="54"/>
        <source>Those files are kept; give --remove-extra to remove them.</source>
        <translation>これらのファイルは残します。削除するには --remove-extra を指定してください。</translation>
    </message>
    <message>
        <location filename="../../src/cli/exportcommand.cpp" line="58"/>
        <source>Nothing was copied.</source>
        <translation>何もコピーしませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/cli/sheetcommand.cpp" line="27"/>
        <source>Cannot lay out the sheet: no fonts available.</source>
        <translation>キューシートをレイアウトできません: フォントを使用できません。</translation>
    </message>
    <message>
        <location filename="../../src/cli/sheetcommand.cpp" line="50"/>
        <source>Cannot lay out the sheet.</source>
        <translation>キューシートをレイアウトできません。</translation>
    </message>
    <message>
        <location filename="../../src/cli/importcommand.cpp" line="54"/>
        <source>%1 was not imported: no free frame is left in channel %2.</source>
        <translation>%1 は取り込まれませんでした: チャンネル %2 に空きフレームがありません。</translation>
    </message>
</context>
</TS>
