#!/bin/sh
# The dictionary compiler's two modes: a word list compiled and listed again
# gives back exactly its valid words; an oversized list is refused.
set -eu
mkslo=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'ab\nac\nab\nwv\nvw\nzebra\nA\nx\nabcdefghijklmnop\nkot\r\n' > "$dir/words.txt"
"$mkslo" "$dir/words.txt" "$dir/d.slo" > /dev/null
"$mkslo" --list "$dir/d.slo" | sort > "$dir/listed.txt"
printf 'ab\nac\nkot\nvw\nwv\nzebra\n' > "$dir/expected.txt"
diff "$dir/expected.txt" "$dir/listed.txt"
# Too many nodes without --trim: a clear refusal and a non-zero exit.
awk 'BEGIN { srand(3); for (i = 0; i < 80000; i++) { w = ""; n = 8 + int(rand() * 7);
     for (j = 0; j < n; j++) w = w sprintf("%c", 97 + int(rand() * 26)); print w } }' \
    > "$dir/many.txt"
if "$mkslo" "$dir/many.txt" "$dir/many.slo" 2> "$dir/err.txt"; then
    echo "an oversized dictionary was written"; exit 1
fi
grep -q "more than the dictionary's 250000" "$dir/err.txt"
"$mkslo" --trim "$dir/many.txt" "$dir/many.slo" > /dev/null
test -s "$dir/many.slo"
