#!/bin/sh
# Makes the notification sound "resources/Auction Sound.wav": a short two-note chime (E6 then
# C6), each note a bell-like tone of a fundamental and a soft octave that dies away.
# Needs sox. The result is committed; run this only to change the sound.
set -eu

cd "$(dirname "$0")/.."
out="resources/Auction Sound.wav"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rate=22050

# note <file> <frequency> <octave above>: 0.9 s, struck at once, then dying away quickly at
# first and slowly later, as a struck bell does.
note() {
    sox -D -n -r "$rate" -c 2 -b 16 "$1.tones.wav" synth 0.9 sine "$2" sine "$3"
    sox -D "$1.tones.wav" -c 1 "$1" remix 1v0.7,2v0.25 fade l 0.004 0.9 0.86 gain -n -6
}

note "$tmp/high.wav" 1318.51 2637.02
note "$tmp/low.wav" 1046.50 2093.00
# The second note follows 0.28 s after the first and rings over its tail.
sox -D "$tmp/low.wav" "$tmp/low-late.wav" pad 0.28 0
sox -D -m "$tmp/high.wav" "$tmp/low-late.wav" "$tmp/both.wav"
sox -D "$tmp/both.wav" -b 16 "$out" gain -n -3 fade t 0 0 0.15
echo "wrote $out"
