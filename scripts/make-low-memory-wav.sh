#!/usr/bin/env bash
# Writes "low-memory.wav", the low-memory alarm: three falling two-tone beeps,
# 8-bit mono PCM at 11025 Hz (about 13 KB). Run by the build.
#   bash scripts/make-low-memory-wav.sh OUTPUT.wav
set -euo pipefail
out=${1:?output file}
# awk computes the bytes; printf turns the octal escapes into them.
printf "$(awk 'BEGIN {
  rate = 11025; n = 0
  # beep: 880 Hz then 660 Hz, 0.12 s each; 0.1 s of silence after each pair
  for (b = 0; b < 3; b++) {
    for (t = 0; t < 2; t++) {
      f = t == 0 ? 880 : 660; len = int(rate * 0.12)
      for (i = 0; i < len; i++) {
        env = i < 200 ? i / 200 : (len - i < 200 ? (len - i) / 200 : 1)  # no clicks
        s[n++] = int(128 + 90 * env * sin(2 * 3.14159265 * f * i / rate))
      }
    }
    for (i = 0; i < int(rate * 0.1); i++) s[n++] = 128
  }
  out = "RIFF" le32(36 + n) "WAVEfmt " le32(16) le16(1) le16(1) le32(rate) le32(rate) le16(1) le16(8) "data" le32(n)
  printf "%s", out
  for (i = 0; i < n; i++) printf "\\%03o", s[i]
}
function byte(v) { return sprintf("\\%03o", v % 256) }
function le16(v) { return byte(v) byte(int(v / 256)) }
function le32(v) { return le16(v % 65536) le16(int(v / 65536)) }')" > "$out"
