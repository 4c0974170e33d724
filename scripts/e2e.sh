#!/usr/bin/env bash
# End-to-end check of the real program: starts it under Xvfb with a fresh settings folder, plays
# through a hand with the mouse (Check/Call, Fold, Deal, Check/Call), takes a screenshot and
# checks it for the felt and the cards, then checks the settings file for what the deal wrote.
#
#   scripts/e2e.sh [build-dir]      (default: build; the program is <build-dir>/app/trelvist)
#   scripts/e2e.sh <program>        an installed program, e.g. /usr/local/bin/trelvist
#
# Exits non-zero on the first failed check. Needs xvfb-run, xdotool and ImageMagick.
set -euo pipefail

target=$(realpath "${1:-build}")
program=$target
[ -d "$target" ] && program="$target/app/trelvist"
[ -x "$program" ] || { echo "e2e: no program at $program" >&2; exit 1; }
# The felt lies beside the program, or in the data folder of an installed one.
felt="$(dirname "$program")/texasbmp3.bmp"
[ -f "$felt" ] || felt="$(dirname "$program")/../share/trelvist/texasbmp3.bmp"
[ -f "$felt" ] || { echo "e2e: no texasbmp3.bmp for $program" >&2; exit 1; }

if [ -z "${TRELVIST_E2E_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" env TRELVIST_E2E_DISPLAY=1 "$0" "$target"
fi

work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "e2e: FAIL: $*" >&2
  [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/trelvist-e2e-failure.png" &&
    echo "e2e: screenshot kept at ${TMPDIR:-/tmp}/trelvist-e2e-failure.png" >&2
  exit 1
}

export XDG_CONFIG_HOME="$work/config"
settings="$XDG_CONFIG_HOME/trelvist/trelvist.ini"
# Presses show their end at once, so that one click follows another without waiting for the
# paced playback (the window's tests check the pacing).
mkdir -p "$(dirname "$settings")"
printf '[Window]\nspeed=2\n' >"$settings"
unset QT_QPA_PLATFORM
(cd "$work" && exec "$program" 2>"$work/program.log") &  # nothing to find in its folder
program_pid=$!

# The main window is the visible one of the table's size.
window=
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --class trelvist 2>/dev/null || true); do
    if xdotool getwindowgeometry "$id" | grep -q 'Geometry: 1011x659'; then window=$id; break 2; fi
  done
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended at start-up: $(cat "$work/program.log")"
  sleep 0.1
done
[ -n "$window" ] || fail "no main window appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"  # sets X and Y of the client area
sleep 1

# Clicks the middle of a button given by its client rectangle (left, top, width, height).
click() {
  xdotool mousemove $((X + $1 + $3 / 2)) $((Y + $2 + $4 / 2)) click 1
  sleep 1
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended after a click"
}
deal=(376 576 65 33); stay=(440 576 65 33); pass=(568 576 65 33)

# The program opens mid-hand with Deal disabled: a click on it must change nothing.
grep -q '^back=' "$settings" || fail "start-up wrote no card back to the settings file"
before=$(cat "$settings")
click "${deal[@]}"
[ "$(cat "$settings")" = "$before" ] || fail "the disabled Deal button acted"

click "${stay[@]}"   # Call: the flop is turned up
click "${pass[@]}"   # Fold: the hand is settled among the opponents
click "${deal[@]}"   # Deal: statistics and cash are written, a new hand is dealt
click "${stay[@]}"
import -window root "$work/shot.png"

# Felt: the table bitmap tiled from the window's corner shows wherever nothing lies on it.
convert -size 1011x659 "tile:$felt" "$work/felt.png"
# Pixels of the screenshot that differ from the felt, in a client rectangle.
differing() {  # width height left top
  convert "$work/shot.png" -crop "$1x$2+$((X + $3))+$((Y + $4))" +repage "$work/part.png"
  convert "$work/felt.png" -crop "$1x$2+$3+$4" +repage "$work/felt-part.png"
  compare -metric AE "$work/part.png" "$work/felt-part.png" null: 2>&1 || true
}
bare=$(differing 100 100 10 150)
[ "$bare" = 0 ] || fail "no felt at the table's left edge ($bare pixels differ)"
bare=$(differing 200 60 750 460)
[ "$bare" = 0 ] || fail "no felt right of the human's cards ($bare pixels differ)"

# Cards: the human's second card and Expert's second card (face or back) cover the felt.
card=$((71 * 96))
human=$(differing 71 96 490 461)
[ "$human" -gt $((card * 8 / 10)) ] || fail "no card at the human's seat ($human of $card pixels differ)"
white=$(convert "$work/shot.png" -crop "71x96+$((X + 490))+$((Y + 461))" +repage \
          -fuzz 8% -fill black +opaque white -fill white -opaque white -format '%[fx:int(mean*100)]' info:)
[ "$white" -ge 30 ] || fail "the human's card is not face up ($white% white)"
# The call turns up the flop, unless every opponent folded before it (rare; the window's own
# tests check the board street by street).
flop=$(differing 71 96 320 243)
[ "$flop" -gt $((card * 8 / 10)) ] || echo "e2e: note: no flop on the board ($flop of $card pixels differ)"

# The settings file: the deal wrote the statistics of the finished hand and every seat's cash.
value() {  # section key
  awk -F= -v s="[$1]" -v k="$2" '/^\[/ { in_s = ($0 == s) } in_s && $1 == k { print $2 }' "$settings"
}
# The call may have made every opponent fold, so the human may have won the hand.
[ "$(value Stats handsplayed)" = 1 ] || fail "Stats/handsplayed is '$(value Stats handsplayed)', not 1"
won=$(value Stats handswon)
[[ "$won" =~ ^[01]$ ]] || fail "Stats/handswon is '$won'"
[ "$(value Stats showdowns)" = 0 ] || fail "Stats/showdowns is '$(value Stats showdowns)', not 0"
total=0
for seat in freak player geek master champ pinhead expert robot; do
  cash=$(value Cash "$seat")
  [[ "$cash" =~ ^-?[0-9]+$ ]] || fail "Cash/$seat is '$cash'"
  total=$((total + cash))
done
[ "$total" = 9600 ] || fail "the written cash adds up to $total, not 9600"
player=$(value Cash player)
if [ "$won" = 1 ]; then
  [ "$player" -gt 1200 ] || fail "the human won, but the written cash is $player"
else
  [ "$player" -lt 1200 ] || fail "the human's call is not in the written cash ($player)"
fi

echo "e2e: OK (felt, cards and settings file checked)"
