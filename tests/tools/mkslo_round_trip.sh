#!/bin/sh
# The dictionary compiler's two modes: word lists compiled and listed again
# give back exactly their valid words; an oversized list is refused; a
# dictionary whose lists lead back into themselves is refused, not listed.
set -eu
mkslo=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'ab\nac\nab\nwv\nvw\nzebra\nA\nx\nabcdefghijklmnop\nkot\r\n' > "$dir/words.txt"
# A second list, in Latin-1 as Debian's scowl lists are: only words of the
# letters a to z that hold a vowel (or are kept without one) count.
printf 'kg\nhmm\nxxv\npsst \ncaf\351\ndon'"'"'t\nParis\nmyth\nzebra\n' > "$dir/more.txt"
"$mkslo" "$dir/words.txt" "$dir/more.txt" "$dir/d.slo" > /dev/null
"$mkslo" --list "$dir/d.slo" | sort > "$dir/listed.txt"
printf 'ab\nac\nhmm\nkot\nmyth\npsst\nzebra\n' > "$dir/expected.txt"
diff "$dir/expected.txt" "$dir/listed.txt"
# A list that can't be read: no dictionary.
if "$mkslo" "$dir/words.txt" "$dir/none.txt" "$dir/n.slo" 2> "$dir/err.txt"; then
    echo "a missing word list was compiled"; exit 1
fi
grep -q "can't open $dir/none.txt" "$dir/err.txt"
test ! -e "$dir/n.slo"
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
# Lists that lead back into themselves are refused at once: node 1 'a' ends
# a word and is its own child list; 'a' leads to 'b', whose child list is
# the top-level list again.
printf '\0\0\0\0\0\0\0\0\1\133' > "$dir/loop1.slo"
printf '\0\0\0\0\0\0\0\0\2\037\0\0\0\1\134' > "$dir/loop2.slo"
for loop in loop1 loop2; do
    if timeout 20 "$mkslo" --list "$dir/$loop.slo" > "$dir/out.txt" 2> "$dir/err.txt"; then
        echo "$loop: a looping dictionary was listed"; exit 1
    fi
    grep -q "the list at node 1 leads back into itself" "$dir/err.txt"
    test ! -s "$dir/out.txt"
done
