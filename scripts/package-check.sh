#!/usr/bin/env bash
# Checks the Debian package as a user would meet it: validates the desktop entry and the
# AppStream metainfo, makes the .deb (scripts/package.sh), installs it with apt-get, runs the
# installed program (--version, then the end-to-end check, which needs the felt and sounds of
# the installed data folder), removes the package and checks that none of its files is left.
#
#   scripts/package-check.sh               from a Release build in build-release/
#   scripts/package-check.sh <build-dir>   from that build folder, e.g. build
#
# Installs and removes the package trelvist on this machine, so it needs root or sudo.
# Exits non-zero on the first failed check.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=/usr/games/trelvist
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

fail() { echo "package-check: FAIL: $*" >&2; exit 1; }

desktop-file-validate "$top/app/org.example.Trelvist.desktop" || fail "desktop-file-validate"
# Errors and warnings fail the validation itself. Of the remarks, only one is expected: the
# AppStream of Debian 12 predates the <developer> element and calls it unknown.
metainfo="$top/app/org.example.Trelvist.metainfo.xml"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
remarks=$(grep -E '^[A-Z]: ' <<<"$report" | grep -v ': unknown-tag developer$' || true)
[ -z "$remarks" ] || fail "appstreamcli validate: $remarks"

deb=$("$top/scripts/package.sh" "$@" | tail -n 1)
echo "package-check: $deb ($(stat -c %s "$deb") bytes)"
echo "package-check: Depends: $(dpkg-deb -f "$deb" Depends)"
version=$(dpkg-deb -f "$deb" Version)

remove() { $sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq trelvist >/dev/null; }
$sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
trap remove EXIT  # a failed check leaves nothing installed
installed=$(dpkg -L trelvist)

for path in "$program" /usr/share/games/trelvist/texasbmp3.bmp \
    /usr/share/games/trelvist/{chip1,chip2,chip3,chip4,card1,card2}.wav \
    /usr/share/applications/org.example.Trelvist.desktop \
    /usr/share/metainfo/org.example.Trelvist.metainfo.xml \
    /usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/trelvist.png \
    /usr/share/icons/hicolor/scalable/apps/trelvist.svg \
    /usr/share/man/man6/trelvist.6.gz \
    /usr/share/doc/trelvist/copyright /usr/share/doc/trelvist/README.md; do
  grep -qxF "$path" <<<"$installed" && [ -f "$path" ] || fail "$path is not installed"
done
file "$program" | grep -q ', stripped' || fail "$program is not stripped"
zcat /usr/share/man/man6/trelvist.6.gz | head -n 1 | grep -q '^\.TH TRELVIST 6 ' ||
  fail "the manual page is not a section 6 page"
[ "$("$program" --version)" = "trelvist $version" ] || fail "$program --version does not say $version"
"$top/scripts/e2e.sh" "$program"

trap - EXIT
remove
status=$(dpkg-query -W -f='${db:Status-Abbrev}' trelvist 2>/dev/null || true)
[ -z "$status" ] || fail "the package is still known to dpkg after its removal ($status)"
# Every file of the package is gone, and every folder of its own; shared folders may stay.
left=()
while IFS= read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  if [ ! -d "$path" ] || [[ "$path" == *trelvist* ]]; then left+=("$path"); fi
done <<<"$installed"
((${#left[@]} == 0)) || fail "left after removal: ${left[*]}"
echo "package-check: OK (installed, run and removed without leftovers)"
