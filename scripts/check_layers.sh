#!/usr/bin/env bash
# Fails when a library includes one above it. The layers, lowest first:
# platform, model, computer, window, menu. A file may include its own layer's
# headers and those below; model/ and computer/ build without the toolkit, so
# neither they nor any project header they reach may include a wx header.
# Includes are followed through the project's headers, so a wx header reached
# through a lower layer's header counts too.
#
#   scripts/check_layers.sh [ROOT]    (default: the repository's folder)
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

layers=(platform model computer window menu)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
gui_free_below=2   # model (1) and computer (2) build without wx

# The project headers a file includes, as paths from the root.
declare -A direct
project_includes() {
  local f=$1
  if [[ -z ${direct[$f]+set} ]]; then
    direct[$f]=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f" 2>/dev/null |
                 while read -r inc; do [[ -f $inc ]] && echo "$inc"; done)
  fi
  printf '%s\n' "${direct[$f]}"
}

# Every file a file reaches through project includes, itself first.
reached() {
  local -A seen=()
  local todo=("$1") f inc
  while ((${#todo[@]})); do
    f=${todo[0]}; todo=("${todo[@]:1}")
    [[ -n ${seen[$f]+set} ]] && continue
    seen[$f]=1
    echo "$f"
    while read -r inc; do [[ -n $inc ]] && todo+=("$inc"); done < <(project_includes "$f")
  done
}

faults=0
for layer in "${layers[@]}"; do
  [[ -d $layer ]] || continue
  own=${rank[$layer]}
  while read -r file; do
    while read -r inc; do
      [[ -n $inc ]] || continue
      top=${inc%%/*}
      if [[ -n ${rank[$top]+set} ]] && ((rank[$top] > own)); then
        echo "upward include: $file includes $inc ($layer may not include $top)"
        faults=1
      fi
    done < <(project_includes "$file")
    if ((own >= 1 && own <= gui_free_below)); then
      while read -r part; do
        if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<wx/' "$part"; then
          if [[ $part == "$file" ]]; then
            echo "toolkit header in $layer/: $file includes a wx header"
          else
            echo "toolkit header in $layer/: $file reaches a wx header through $part"
          fi
          faults=1
        fi
      done < <(reached "$file")
    fi
  done < <(find "$layer" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
done

((faults)) && exit 1
echo "layering: no upward include"
