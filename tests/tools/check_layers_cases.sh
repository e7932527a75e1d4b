#!/bin/sh
# The layering check on small trees: a clean tree passes; an include of a
# higher layer, a wx header in a toolkit-free layer and a wx header reached
# through a lower layer's header each fail it, naming the file.
set -eu
check=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

tree() {
    rm -rf "$dir/t"
    mkdir -p "$dir/t/platform" "$dir/t/model" "$dir/t/computer" "$dir/t/window" "$dir/t/menu"
    printf '#include <wx/string.h>\n' > "$dir/t/platform/tekst.h"
    printf '#include <cstdio>\n' > "$dir/t/platform/sciezka.h"
    printf '#include "platform/sciezka.h"\n' > "$dir/t/model/plansza.h"
    printf '#include "model/plansza.h"\n' > "$dir/t/computer/szukanie.cpp"
    printf '#include "computer/szukanie.h"\n#include "platform/tekst.h"\n' > "$dir/t/window/okno.cpp"
    printf '#include "window/okno.h"\n#include <wx/frame.h>\n' > "$dir/t/menu/menu.cpp"
}

tree
bash "$check" "$dir/t" > /dev/null

expect_fault() {
    if bash "$check" "$dir/t" > "$dir/out.txt"; then
        echo "not refused: $1"; exit 1
    fi
    grep -q "$2" "$dir/out.txt" || { echo "no word of $2 for: $1"; cat "$dir/out.txt"; exit 1; }
}

tree; printf '#include "window/okno.h"\n' > "$dir/t/window/okno.h"
printf '#include "window/okno.h"\n' >> "$dir/t/model/plansza.h"
expect_fault "model including window" "model/plansza.h includes window/okno.h"

tree; printf '#include "menu/menu.h"\n' > "$dir/t/menu/menu.h"
printf '#include "menu/menu.h"\n' >> "$dir/t/window/okno.cpp"
expect_fault "window including menu" "window/okno.cpp includes menu/menu.h"

tree; printf '#include <wx/utils.h>\n' >> "$dir/t/computer/szukanie.cpp"
expect_fault "a wx header in computer" "computer/szukanie.cpp includes a wx header"

tree; printf '#include "platform/tekst.h"\n' >> "$dir/t/model/plansza.h"
expect_fault "a wx header through platform" "model/plansza.h reaches a wx header through platform/tekst.h"
