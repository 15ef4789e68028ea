#!/usr/bin/env bash
# The monkey of scripts/soak: one seed always writes the same script and
# another seed a different one; a long script holds every kind of input the
# soak promises, all on the 1024 x 768 canvas; and the game plays a script to
# its end on the default content (a line it rejects or a crash fails here).
#   CheckMonkeyScript.sh SOAK CHRONA OUT_DIR
set -euo pipefail
soak=$1 game=$2 out=$3
rm -rf "$out"
mkdir -p "$out/save"

"$soak" script 7 30000 >"$out/long.txt"
"$soak" script 7 30000 | cmp - "$out/long.txt"
if "$soak" script 8 30000 | cmp -s - "$out/long.txt"; then
  echo "seeds 7 and 8 write the same script"
  exit 1
fi
for line in '^click [0-9]+ [0-9]+$' '^click [0-9]+ [0-9]+ right$' '^press .* (left|right)$' '^release ' '^move ' \
            '^wheel (up|down) ' '^tap escape$' '^tap alt\+return$' '^tap f8$' '^tap alt\+f4$' '^tap return$' '^type .' \
            '^click (4[7-9][0-9]|5[0-5][0-9]) (479|48[0-9]|49[0-9]|50[0-3])$' '^quit$'; do
  grep -Eq "$line" "$out/long.txt" || { echo "the monkey's script has no line like $line"; exit 1; }
done
awk '$1 ~ /^(click|press|release|move)$/ && ($2 < 0 || $2 > 1023 || $3 < 0 || $3 > 767) ||
     $1 == "wheel" && ($3 < 0 || $3 > 1023 || $4 < 0 || $4 > 767) { print "off the canvas: " $0; bad = 1 }
     END { exit bad }' "$out/long.txt"

"$soak" script 7 600 >"$out/short.txt"
"$game" --windowed --save-dir "$out/save" --seed 7 --fixed-step 16 --script "$out/short.txt" --stats-json "$out/stats.json"
grep -Eq '"frames": (6[0-9][0-9]|[7-9][0-9][0-9])' "$out/stats.json" || { cat "$out/stats.json"; exit 1; }
