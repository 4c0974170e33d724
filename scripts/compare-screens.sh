#!/usr/bin/env bash
# Compares the PNG pictures of two folders pixel for pixel (as tests/ui/table_screens writes
# them): prints for each picture how many pixels differ, writes a difference picture for each
# one that differs, and exits non-zero when any picture differs or is missing on one side.
#
#   scripts/compare-screens.sh DIR_A DIR_B
set -uo pipefail

if (($# != 2)) || [[ ! -d $1 || ! -d $2 ]]; then
  echo "usage: $0 DIR_A DIR_B (two folders of PNG pictures)" >&2
  exit 2
fi
command -v compare >/dev/null || { echo "$0: ImageMagick's compare is not installed" >&2; exit 2; }

a=$1
b=$2
diffs=$(mktemp -d "${TMPDIR:-/tmp}/compare-screens.XXXXXX")

# Every picture of either folder, each name once.
mapfile -t names < <( (cd "$a" && ls -1 -- *.png; cd - >/dev/null && cd "$b" && ls -1 -- *.png) 2>/dev/null | LC_ALL=C sort -u)

compared=0
differ=0
for name in "${names[@]}"; do
  compared=$((compared + 1))
  if [[ ! -f $a/$name || ! -f $b/$name ]]; then
    side=$([[ -f $a/$name ]] && echo "$b" || echo "$a")
    echo "$name: missing in $side"
    differ=$((differ + 1))
    continue
  fi
  size_a=$(identify -format '%wx%h' "$a/$name" 2>/dev/null)
  size_b=$(identify -format '%wx%h' "$b/$name" 2>/dev/null)
  if [[ -z $size_a || -z $size_b ]]; then
    echo "$name: unreadable"
    differ=$((differ + 1))
    continue
  fi
  if [[ $size_a != "$size_b" ]]; then
    echo "$name: sizes differ, $size_a against $size_b"
    differ=$((differ + 1))
    continue
  fi
  out=$diffs/${name%.png}-diff.png
  # AE with no fuzz counts every pixel whose value differs at all; the precision keeps large
  # counts from being printed in exponent form.
  pixels=$(compare -precision 16 -metric AE "$a/$name" "$b/$name" "$out" 2>&1 >/dev/null)
  status=$?
  if ((status > 1)) || [[ ! $pixels =~ ^[0-9]+$ ]]; then
    echo "$name: compare failed: $pixels"
    differ=$((differ + 1))
    continue
  fi
  if ((pixels == 0)); then
    rm -f -- "$out"
    echo "$name: 0 pixels differ"
  else
    echo "$name: $pixels pixels differ, see $out"
    differ=$((differ + 1))
  fi
done

((differ == 0)) && rmdir -- "$diffs" 2>/dev/null
echo "$compared pictures compared, $differ differ"
((compared > 0 && differ == 0))
