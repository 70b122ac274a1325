#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a corpus of varied MP3 files for the length tests and benchmarks, from tones that
# GStreamer generates (gstreamer1.0-tools) and the lame encoder; damaged and joined files
# are made with cat, truncate, dd and printf. Nothing is downloaded.
#   scripts/make-mp3-corpus.sh DIR [--quick]
# --quick makes a few dozen files for tests; the full corpus has well over 200.
set -euo pipefail

out=${1:?usage: make-mp3-corpus.sh DIR [--quick]}
quick=0
[[ ${2:-} == --quick ]] && quick=1
for tool in gst-launch-1.0 lame; do
  command -v "$tool" >/dev/null || { echo "make-mp3-corpus.sh: $tool is missing" >&2; exit 2; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# wav RATE CHANNELS SECONDS WAVE -> prints the path of a WAV file
wav() {
  local rate=$1 channels=$2 seconds=$3 wave=$4
  local f="$work/${rate}_${channels}_${seconds}_${wave}.wav"
  if [[ ! -e $f ]]; then
    # Buffers of 10 ms.
    timeout 120 gst-launch-1.0 -q audiotestsrc wave="$wave" freq=523 volume=0.4 \
      num-buffers=$(( rate * seconds / (rate / 100) )) samplesperbuffer=$(( rate / 100 )) \
      ! "audio/x-raw,format=S16LE,rate=$rate,channels=$channels" ! wavenc \
      ! filesink location="$f"
  fi
  printf '%s' "$f"
}

# enc NAME RATE CHANNELS SECONDS WAVE LAME-OPTIONS...
enc() {
  local name=$1 rate=$2 channels=$3 seconds=$4 wave=$5
  shift 5
  timeout 300 lame --quiet "$@" "$(wav "$rate" "$channels" "$seconds" "$wave")" "$out/$name.mp3"
}

waves=(sine square white-noise pink-noise triangle)
seconds=(1 3 7 2 12)
rates=(8000 11025 12000 16000 22050 24000 32000 44100 48000)
n=0
for rate in "${rates[@]}"; do
  for channels in 1 2; do
    for mode in cbr cbr-notag vbr vbr-notag abr; do
      (( quick )) && [[ $mode != cbr && $mode != vbr ]] && continue
      wave=${waves[n % 5]}
      len=${seconds[n % 5]}
      n=$((n + 1))
      (( rate <= 12000 )) && kb=32 || kb=64
      (( rate >= 32000 )) && kb=128
      case $mode in
        cbr) enc "cbr_${rate}_${channels}" "$rate" "$channels" "$len" "$wave" -b "$kb" --resample "$((rate / 1000))" ;;
        cbr-notag) enc "cbrnotag_${rate}_${channels}" "$rate" "$channels" "$len" "$wave" -t -b "$kb" ;;
        vbr) enc "vbr_${rate}_${channels}" "$rate" "$channels" "$len" "$wave" -V 4 ;;
        vbr-notag) enc "vbrnotag_${rate}_${channels}" "$rate" "$channels" "$len" "$wave" -t -V 2 ;;
        abr) enc "abr_${rate}_${channels}" "$rate" "$channels" "$len" "$wave" --abr "$kb" ;;
      esac
    done
  done
done

# Tags: ID3v2 in front, ID3v1 and APE at the end.
for rate in 22050 44100 48000; do
  enc "id3v2_$rate" "$rate" 2 3 sine -b 96 --add-id3v2 --pad-id3v2-size 3000 --tt "Announcement" --ta "Cuelist"
  enc "id3v1_$rate" "$rate" 1 4 square -b 64 --id3v1-only --tt "Chime"
  enc "ape_$rate" "$rate" 2 2 triangle -V 5
  # An APEv2 footer with no items: 32 bytes.
  printf 'APETAGEX\xd0\x07\x00\x00\x20\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$out/ape_$rate.mp3"
done
(( quick )) && exit 0

# Joined with cat, with and without tags; an ID3v1 tag in the middle.
enc part_a 44100 2 4 sine -b 128
enc part_b 44100 2 7 square -b 128
enc part_c 44100 2 5 white-noise -t -b 128
enc part_d 44100 2 3 sine -b 128 --id3v1-only --tt "Middle"
cat "$out/part_a.mp3" "$out/part_b.mp3" >"$out/joined_tagged.mp3"
cat "$out/part_c.mp3" "$out/part_c.mp3" >"$out/joined_untagged.mp3"
cat "$out/part_d.mp3" "$out/part_b.mp3" >"$out/joined_id3v1_middle.mp3"
cat "$out/part_a.mp3" "$out/part_c.mp3" "$out/part_b.mp3" >"$out/joined_three.mp3"

# Cut off: a tagged file and an untagged one at several places.
for pct in 30 50 90; do
  for base in vbr_44100_2 cbrnotag_22050_1 abr_48000_2; do
    size=$(stat -c %s "$out/$base.mp3")
    cp "$out/$base.mp3" "$out/cut${pct}_$base.mp3"
    truncate -s $(( size * pct / 100 )) "$out/cut${pct}_$base.mp3"
  done
done

# Junk in front: zeros and text, up to 100 KB.
for kb in 1 70 100; do
  head -c $(( kb * 1024 )) /dev/zero >"$out/junkzero${kb}k.mp3"
  cat "$out/cbr_44100_2.mp3" >>"$out/junkzero${kb}k.mp3"
  head -c $(( kb * 1024 )) < <(yes 'not audio') >"$out/junktext${kb}k.mp3"
  cat "$out/vbr_22050_1.mp3" >>"$out/junktext${kb}k.mp3"
done

# Free format (a bit rate no header can name).
enc freeformat_44100 44100 2 7 sine --freeformat -b 400
enc freeformat_48000 48000 1 3 square --freeformat -b 200

# Bad frame counts in the Xing/Info tag of an untagged-ID3 MPEG-1 stereo file (tag at byte 36).
for variant in zero huge; do
  cp "$out/cbr_44100_2.mp3" "$out/xing_$variant.mp3"
  case $variant in
    zero) printf '\x00\x00\x00\x00' ;;
    huge) printf '\x7f\xff\xff\xff' ;;
  esac | dd of="$out/xing_$variant.mp3" bs=1 seek=44 conv=notrunc status=none
done

# Lengths from a fraction of a second to minutes.
for s in 1 2 5 30 90; do
  enc "length_${s}s" 44100 2 "$s" pink-noise -V 6
done
enc length_300s 44100 2 300 sine -b 64

# Not audio, or hardly: a lone frame header, an empty file, text, random bytes.
printf '\xff\xfb\x90\x44' >"$out/lone_header.mp3"
: >"$out/empty.mp3"
head -c 20000 < <(yes 'plain text') >"$out/text.mp3"
head -c 30000 /dev/urandom >"$out/random.mp3"

# More variety to pass 200 files: every rate at two more settings.
for rate in "${rates[@]}"; do
  enc "quality_${rate}" "$rate" 2 2 triangle -V 0 -q 0
  enc "mono_low_${rate}" "$rate" 1 5 sine -V 9
  enc "strict_${rate}" "$rate" 2 1 square --strictly-enforce-ISO -b 64
done
for i in $(seq 1 40); do
  enc "mix_$i" "${rates[i % 9]}" $(( i % 2 + 1 )) $(( i % 6 + 1 )) "${waves[i % 5]}" -V $(( i % 10 ))
done
ls "$out" | wc -l
