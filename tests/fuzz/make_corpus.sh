#!/usr/bin/env bash
# Makes the fuzzers' seed corpora in tests/fuzz/corpus with our own tools:
# dictionaries by mkslo, style and settings records by mkstyl, the shipped
# board layout, and code page 1250 texts. Usage: make_corpus.sh TOOLS_DIR
# (the folder holding mkslo and mkstyl, e.g. build-fuzz/tools).
set -euo pipefail
tools=$(cd "$1" && pwd)
cd "$(dirname "$0")"
out=corpus
rm -rf "$out"
mkdir -p "$out"/{slownik,plansza,ustawienia,tekst}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

words() { printf '%s\n' "$@" > "$work/words.txt"; }
slo() { "$tools/mkslo" "$work/words.txt" "$out/slownik/$1.slo" > /dev/null; }
words ab ac; slo two
words ala kot kto tok ma ok to tak akt oko kotka; slo polish
words cat act tac at ta a aa; slo english
words zebra zebry xy qua quiz jazz fizz buzz; slo rare
words abcdefghijklmno onmlkjihgfedcba; slo long

cp ../../data/dane/normalna.pln "$out/plansza/normalna.pln"
head -c 100 ../../data/dane/normalna.pln > "$out/plansza/short.pln"

(cd "$work" && "$tools/mkstyl" rozm.tmt graf/tlo/tlo2.JPG graf/plansza/rozm 255,255,0 0,224,5)
(cd "$work" && "$tools/mkstyl" long.tmt "graf/tlo/$(printf 'b%.0s' {1..46}).JPG" \
                "graf/$(printf 'f%.0s' {1..40})" 0,0,0 255,255,255)
cp "$work/rozm.tmt" "$work/long.tmt" "$out/ustawienia/"
cp "$work/rozm.tmt" "$out/ustawienia/short.tmt"
truncate -s 712 "$out/ustawienia/short.tmt"

printf 'Ewa' > "$out/tekst/ascii"
printf 'Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1' > "$out/tekst/polish"
printf '\x00\x00\x41\x00\x01\x7c\x00\x20\xac\x00\x26\x03' > "$out/tekst/wide"
printf '\x81\x83\x88\x90\x98' > "$out/tekst/undefined"
