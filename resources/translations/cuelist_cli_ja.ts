<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CliText</name>
    <message>
        <source>Not in the data folder: %1</source>
        <translation>dataフォルダにありません: %1</translation>
    </message>
    <message>
        <source>The output file %1 is the playlist itself.</source>
        <translation>出力ファイル %1 はプレイリストそのものです。</translation>
    </message>
    <message>
        <source>The file name is blank; use &quot;cuelist clear&quot; to empty a slot.</source>
        <translation>ファイル名が空白です。設定枠を空にするには &quot;cuelist clear&quot; を使用してください。</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 には %2～%3 の整数を指定してください (&quot;%4&quot; は指定できません)。</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>不明なコマンド &quot;%1&quot; です。</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2.</source>
        <translation>%2 に不明なオプション &quot;%1&quot; が指定されました。</translation>
    </message>
    <message>
        <source>Option %1 needs a value.</source>
        <translation>オプション %1 には値が必要です。</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>%1 の引数の数が正しくありません。</translation>
    </message>
    <message>
        <source>The playlist name is empty.</source>
        <translation>プレイリスト名が空です。</translation>
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
        <source>Usage: cuelist COMMAND PLAYLIST [ARGUMENTS]
Reads and edits playlist files (.slp).

Commands:
  csv   PLAYLIST [-o OUTPUT]
        Write the file names as CSV, to OUTPUT or to standard output.
  show  PLAYLIST [--channel N]
        List the assigned slots of channels 1-127 with their settings.
  check PLAYLIST
        List the records that loading empties, the files missing from the
        data folder, and the total data size.
  set   PLAYLIST CHANNEL FRAME NAME [--volume DB] [--repeat N] [--interval S]
        Assign the MP3 file NAME to a slot. A new playlist is created when
        PLAYLIST does not exist. --volume 0 to -70 (dB), --repeat 0 to 255
        (255: unlimited), --interval 0 to 3600 (seconds).
  clear PLAYLIST CHANNEL [FRAME]
        Empty one slot, or every slot of the channel.
  times PLAYLIST [--channel N]
        List the length of each assigned MP3 file and the play time of each
        channel (∞: repeats without end, ?: length not known).
  --help     Show this help.
  --version  Show the version.

CHANNEL is 1 to 127, FRAME is 1 to 16. csv, show, check and times never
change the playlist.
Exit status: 0 success, 1 name refused or problems found by check,
2 usage error or a file that cannot be read or written.</source>
        <translation>使い方: cuelist COMMAND PLAYLIST [ARGUMENTS]
プレイリストファイル (.slp) を読み込み、編集します。

コマンド:
  csv   PLAYLIST [-o OUTPUT]
        ファイル名をCSV形式で OUTPUT または標準出力に書き出します。
  show  PLAYLIST [--channel N]
        チャンネル1～127の設定済みの設定枠を設定内容とともに表示します。
  check PLAYLIST
        読み込み時に削除されるデータ、dataフォルダにないファイル、
        総データサイズを表示します。
  set   PLAYLIST CHANNEL FRAME NAME [--volume DB] [--repeat N] [--interval S]
        MP3ファイル NAME を設定枠に設定します。PLAYLIST が存在しない場合は
        新しいプレイリストを作成します。--volume 0～-70 (dB)、--repeat 0～255
        (255: 無制限)、--interval 0～3600 (秒)。
  clear PLAYLIST CHANNEL [FRAME]
        設定枠を1つ、またはチャンネルのすべての設定枠を空にします。
  times PLAYLIST [--channel N]
        設定済みの各MP3ファイルの長さと、各チャンネルの再生時間を表示します
        (∞: 無制限に繰り返し、?: 長さ不明)。
  --help     このヘルプを表示します。
  --version  バージョンを表示します。

CHANNEL は 1～127、FRAME は 1～16 です。csv、show、check、times は
プレイリストを変更しません。
終了ステータス: 0 成功、1 ファイル名の拒否または check で問題あり、
2 使い方の誤り、またはファイルの読み書きができない。</translation>
    </message>
    <message>
        <source>Try &quot;cuelist --help&quot;.</source>
        <translation>&quot;cuelist --help&quot; で使い方を表示します。</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>%1 is not a playlist file name (.slp).</source>
        <translation>%1 はプレイリストのファイル名 (.slp) ではありません。</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>再生時間</translation>
    </message>
</context>
</TS>
