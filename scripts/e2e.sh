#!/usr/bin/env bash
# End-to-end check of the real program, in two runs under Xvfb without a window manager, each
# with a fresh settings folder:
#  - at the screen's own density it plays through a hand with the mouse (Check/Call, Fold,
#    Deal, Check/Call), checks a screenshot for the felt and the cards, then the settings file
#    for what the deal wrote, opens the History window with its key and checks the day's
#    history file;
#  - at QT_SCALE_FACTOR=2 it plays with the keys alone: it opens the Advice window with A and
#    closes it with Enter, then folds (F), deals (D) and calls (C) without a click, and checks a
#    screenshot for card edges drawn at the screen's density rather than pixels doubled.
#
#   scripts/e2e.sh [build-dir]      (default: build; the program is <build-dir>/app/trelvist)
#   scripts/e2e.sh <program>        an installed program, e.g. /usr/games/trelvist
#
# Exits non-zero on the first failed check. Needs xvfb-run, xdotool and ImageMagick.
set -euo pipefail

target=$(realpath "${1:-build}")
program=$target
[ -d "$target" ] && program="$target/app/trelvist"
[ -x "$program" ] || { echo "e2e: no program at $program" >&2; exit 1; }
# The felt lies beside the program, or in the data folder of an installed one.
felt="$(dirname "$program")/texasbmp3.bmp"
[ -f "$felt" ] || felt="$(dirname "$program")/../share/games/trelvist/texasbmp3.bmp"
[ -f "$felt" ] || { echo "e2e: no texasbmp3.bmp for $program" >&2; exit 1; }

if [ -z "${TRELVIST_E2E_SCALE:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x800x24" env TRELVIST_E2E_SCALE=1 "$0" "$target"
  exec xvfb-run -a -s "-screen 0 2400x1600x24" env TRELVIST_E2E_SCALE=2 "$0" "$target"
fi
scale=$TRELVIST_E2E_SCALE

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
export XDG_DATA_HOME="$work/data"
settings="$XDG_CONFIG_HOME/trelvist/trelvist.ini"
# Presses show their end at once, so that one click follows another without waiting for the
# paced playback (the window's tests check the pacing).
mkdir -p "$(dirname "$settings")"
printf '[Window]\nspeed=2\n' >"$settings"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
[ "$scale" = 1 ] || export QT_SCALE_FACTOR=$scale
(cd "$work" && exec "$program" 2>"$work/program.log") &  # nothing to find in its folder
program_pid=$!

# The id of a visible window of the program of the given size in screen pixels, if there is one.
window_of_size() {  # width height
  for id in $(xdotool search --onlyvisible --class trelvist 2>/dev/null || true); do
    if xdotool getwindowgeometry "$id" | grep -q "Geometry: $1x$2\$"; then echo "$id"; return; fi
  done
}

# The main window is the visible one of the table's size: at 100 %, in the screen's pixels.
window=
for _ in $(seq 100); do
  window=$(window_of_size $((1011 * scale)) $((659 * scale)))
  [ -n "$window" ] && break
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended at start-up: $(cat "$work/program.log")"
  sleep 0.1
done
[ -n "$window" ] || fail "no main window appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"  # sets X and Y of the client area
sleep 1

# The share in percent of white pixels in a client rectangle of the last screenshot, in table
# pixels (left, top, width, height).
white_share() {
  convert "$work/shot.png" -crop "$(($3 * scale))x$(($4 * scale))+$((X + $1 * scale))+$((Y + $2 * scale))" +repage \
    -fuzz 8% -fill black +opaque white -fill white -opaque white -format '%[fx:int(mean*100)]' info:
}

# The settings file's value of a key.
value() {  # section key
  awk -F= -v s="[$1]" -v k="$2" '/^\[/ { in_s = ($0 == s) } in_s && $1 == k { print $2 }' "$settings"
}

if [ "$scale" != 1 ]; then
  # Keys alone, with no click anywhere: the window takes the keyboard at start and again after
  # the modal Advice window is closed.
  shot() { import -window root "$work/shot.png"; }
  press() {
    xdotool key "$1"
    sleep 1
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended after the key $1"
  }
  await_odds() {  # present|gone
    for _ in $(seq 50); do
      odds=$(window_of_size $((260 * scale)) $((201 * scale)))
      { [ "$1" = present ] && [ -n "$odds" ]; } || { [ "$1" = gone ] && [ -z "$odds" ]; } && return 0
      sleep 0.1
    done
    return 1
  }
  xdotool key a
  await_odds present || fail "the A key did not open the Advice window"
  xdotool key Return
  await_odds gone || fail "Enter did not close the Advice window"
  sleep 0.5

  press f  # Fold: the human's cards are wiped from the table
  shot
  [ "$(white_share 450 448 111 109)" -lt 3 ] || fail "the F key did not fold: the human's cards are still there"
  # Deal: the human has cards again. A deal in which every opponent folds before the human
  # acts is over at once (its count is stored at once): deal again until there is a hand to
  # play, for the call.
  for _ in $(seq 5); do
    counted=$(value Stats handsplayed)
    press d
    [ "$(value Stats handsplayed)" = "$counted" ] && break
  done
  shot
  [ "$(white_share 490 461 71 96)" -ge 30 ] || fail "the D key did not deal: the human has no cards"
  cp "$work/shot.png" "$work/before-call.png"
  press c  # Call: the opponents answer and the table shows it
  shot
  changed=$(compare -metric AE "$work/before-call.png" "$work/shot.png" null: 2>&1 || true)
  [ "$changed" -gt 0 ] || fail "the C key changed nothing on the table"

  # The human's second card, at the screen's density: face up, and not the 100 % picture with
  # every pixel doubled (that would come back unchanged from halving and doubling again).
  [ "$(white_share 490 461 71 96)" -ge 30 ] || fail "the human's card is not face up"
  convert "$work/shot.png" -crop "$((71 * scale))x$((96 * scale))+$((X + 490 * scale))+$((Y + 461 * scale))" +repage \
    "$work/card.png"
  convert "$work/card.png" -sample 50% -sample 200% "$work/card-doubled.png"
  fine=$(compare -metric AE "$work/card.png" "$work/card-doubled.png" null: 2>&1 || true)
  card=$((71 * 96 * scale * scale))
  [ "$fine" -gt $((card / 50)) ] || fail "the card's edges are pixels doubled ($fine of $card pixels finer)"
  echo "e2e: OK at $scale x (keys after a modal window without a click; card edges $fine of $card pixels finer than doubled)"
  exit 0
fi

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
dealt=$(awk -F= '/^\[/ { in_s = ($0 == "[Cash]") } in_s && $1 == "player" { print $2 }' "$settings")
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
white=$(white_share 490 461 71 96)
[ "$white" -ge 30 ] || fail "the human's card is not face up ($white% white)"
# The call turns up the flop, unless every opponent folded before it (rare; the window's own
# tests check the board street by street).
flop=$(differing 71 96 320 243)
[ "$flop" -gt $((card * 8 / 10)) ] || echo "e2e: note: no flop on the board ($flop of $card pixels differ)"

# The settings file. Every opponent may have folded to the human in either hand (in the second
# even at the deal, before the human acted), so the human may have won either; a won first hand
# leaves the fold nothing to do. A hand's counts and cash are stored as soon as its pot is paid,
# and again at the next deal.
played=$(value Stats handsplayed)
won=$(value Stats handswon)
[[ "$played" =~ ^[12]$ ]] || fail "Stats/handsplayed is '$played'"
# The second hand is counted only if its pot was paid, and then the human, who never folded
# it, won it.
second_won=$((played - 1))
first_won=$((won - second_won))
[[ "$first_won" =~ ^[01]$ ]] || fail "Stats/handswon is '$won' with Stats/handsplayed '$played'"
[ "$(value Stats showdowns)" = 0 ] || fail "Stats/showdowns is '$(value Stats showdowns)', not 0"
total=0
for seat in freak player geek master champ pinhead expert robot; do
  cash=$(value Cash "$seat")
  [[ "$cash" =~ ^-?[0-9]+$ ]] || fail "Cash/$seat is '$cash'"
  total=$((total + cash))
done
[ "$total" = 9600 ] || fail "the written cash adds up to $total, not 9600"
player=$(value Cash player)
if [ "$second_won" = 0 ]; then
  # The second hand is still being played: the cash is what the deal wrote, what the first
  # hand left: more than the start if the human won it, less (the call) if not.
  [ "$player" = "$dealt" ] || fail "the cash changed in the middle of a hand ($dealt, then $player)"
  if [ "$first_won" = 1 ]; then
    [ "$player" -gt 1200 ] || fail "the human won the first hand, but the written cash is $player"
  else
    [ "$player" -lt 1200 ] || fail "the human's call is not in the written cash ($player)"
  fi
else
  [ "$player" -ge "$dealt" ] || fail "the human won the second hand, but the written cash fell to $player from $dealt"
fi

# The H key opens the History window over the table.
xdotool mousemove $((X + 600)) $((Y + 300)) key h
history_window=
for _ in $(seq 50); do
  history_window=$(xdotool search --onlyvisible --name '^Hand history$' 2>/dev/null | head -1 || true)
  [ -n "$history_window" ] && break
  sleep 0.1
done
[ -n "$history_window" ] || fail "the H key opened no History window"

# The first hand is in the day's history file, whole, in the layout history tools read.
history_file="$XDG_DATA_HOME/trelvist/history/trelvist-$(date +%F).txt"
[ -f "$history_file" ] || fail "no history file $history_file: $(ls -R "$XDG_DATA_HOME" 2>&1)"
head -n 1 "$history_file" | grep -Eq "^PokerStars Hand #1000000000000001:  Hold'em Limit \(4/8\) - $(date +%Y/%m/%d) " ||
  fail "the history file starts with '$(head -n 1 "$history_file")'"
grep -q '^Dealt to You \[' "$history_file" || fail "the history file has no hole cards of yours"
grep -q '^You: calls 4$' "$history_file" || fail "the history file has not your call"
grep -q '^\*\*\* SUMMARY \*\*\*$' "$history_file" || fail "the history file has no summary"

echo "e2e: OK at 1 x (felt, cards, settings file, History window and history file checked)"
