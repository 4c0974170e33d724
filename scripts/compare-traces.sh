#!/usr/bin/env bash
# Replays the same random table scripts through two builds of trelvist-script and reports every
# script whose trace, error output, exit status or final settings file is not byte for byte the
# same. Used to show that a change to the engine leaves everything the game does unchanged.
#
#   scripts/compare-traces.sh BEFORE_BIN AFTER_BIN [COUNT] [SEED]
#
# COUNT scripts (default 300) come from scripts/random-scripts.py with SEED (default 1).
# Environment: JOBS runs that many at once (default: the number of processors); TIMEOUT is the
# seconds one run may take (default 600), a run over it counts as its exit status 124;
# KEEP=1 keeps the work folder, which is also kept whenever a script differs. The work folder
# goes under TMPDIR when that is set, else /dev/shm when there is one.
set -u

usage() {
    echo "usage: $0 BEFORE_BIN AFTER_BIN [COUNT] [SEED]" >&2
    exit 2
}
if [ $# -lt 2 ] || [ $# -gt 4 ]; then usage; fi
count=${3:-300}
seed=${4:-1}
[[ $count =~ ^[1-9][0-9]*$ && $seed =~ ^[0-9]+$ ]] || usage
for bin in "$1" "$2"; do
    [ -x "$bin" ] || { echo "$0: $bin is not an executable" >&2; exit 2; }
done
# Both runs cd into their own folder, so the binaries need paths that hold from anywhere.
before=$(realpath "$1")
after=$(realpath "$2")
jobs=${JOBS:-$(nproc)}
limit=${TIMEOUT:-600}
here=$(cd "$(dirname "$0")" && pwd)

# The tool syncs the settings file on every write; in memory that costs nothing.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    top=/dev/shm
else
    top=${TMPDIR:-/tmp}
fi
work=$(mktemp -d "$top/compare-traces.XXXXXX")
python3 "$here/random-scripts.py" --count "$count" --seed "$seed" "$work/scripts" || {
    echo "$0: the script generator failed; see $work" >&2
    exit 2
}

# Each run gets its own folder and the same relative --ini path: error messages name the path,
# so it must read the same in both traces.
run_one() {
    local bin=$1 side=$2 name=$3
    local dir=$work/$side/$name
    mkdir -p "$dir"
    [ -f "$work/scripts/$name.ini" ] && cp "$work/scripts/$name.ini" "$dir/settings.ini"
    (
        cd "$dir" || exit
        timeout "$limit" "$bin" --ini settings.ini <"$work/scripts/$name.txt" >trace.jsonl 2>stderr.txt
        echo $? >status
    )
}

names=()
for script in "$work"/scripts/*.txt; do
    names+=("$(basename "$script" .txt)")
done

running=0
for name in "${names[@]}"; do
    for side in before after; do
        if [ "$side" = before ]; then bin=$before; else bin=$after; fi
        run_one "$bin" "$side" "$name" &
        running=$((running + 1))
        if [ "$running" -ge "$jobs" ]; then
            wait -n
            running=$((running - 1))
        fi
    done
done
wait

# Prints the first line where two files part, and which fields of it differ.
show_first_difference() {
    local what=$1 a=$2 b=$3
    local where line
    where=$(cmp "$a" "$b" 2>&1 | head -1)
    echo "  $what: $where"
    if [[ $where == *"EOF on"* ]]; then
        # One file is the start of the other: the line after the shorter one's last line end
        # (its unfinished last line, if any) is where they part.
        local la lb
        la=$(wc -l <"$a")
        lb=$(wc -l <"$b")
        line=$(( (la < lb ? la : lb) + 1 ))
    else
        line=$(sed -n 's/.*, line \([0-9]*\)$/\1/p' <<<"$where")
    fi
    echo "  first differing line $line:"
    local side file
    for side in before after; do
        if [ "$side" = before ]; then file=$a; else file=$b; fi
        if [ "$(wc -l <"$file")" -ge "$line" ] || [ "$(sed -n "${line}p" "$file")" != "" ]; then
            printf '    %-7s %s\n' "$side:" "$(sed -n "${line}p" "$file")"
        else
            printf '    %-7s %s\n' "$side:" "(the file ends before it)"
        fi
    done
    if [ "$what" = trace ]; then
        python3 - "$a" "$b" "$line" <<'EOF'
import json, sys

def walk(a, b, path, out):
    if len(out) >= 8:
        return
    if isinstance(a, dict) and isinstance(b, dict) and list(a) == list(b):
        for key in a:
            walk(a[key], b[key], path + "." + key, out)
    elif isinstance(a, list) and isinstance(b, list) and len(a) == len(b):
        for i, (x, y) in enumerate(zip(a, b)):
            walk(x, y, "%s[%d]" % (path, i), out)
    elif a != b:
        out.append("    %s: %s -> %s" % (path or "(line)", json.dumps(a)[:200], json.dumps(b)[:200]))

def line_of(path, number):
    with open(path, "rb") as f:
        for i, text in enumerate(f, 1):
            if i == number:
                return json.loads(text)
    raise ValueError("no line %d" % number)

try:
    left = line_of(sys.argv[1], int(sys.argv[3]))
    right = line_of(sys.argv[2], int(sys.argv[3]))
except ValueError:
    sys.exit(0)
found = []
walk(left, right, "", found)
if found:
    print("  fields that differ:")
    print("\n".join(found))
EOF
    fi
}

differ=0
for name in "${names[@]}"; do
    b=$work/before/$name
    a=$work/after/$name
    problems=()
    cmp -s "$b/trace.jsonl" "$a/trace.jsonl" || problems+=(trace)
    cmp -s "$b/stderr.txt" "$a/stderr.txt" || problems+=(stderr)
    cmp -s "$b/status" "$a/status" || problems+=(status)
    if [ -e "$b/settings.ini" ] || [ -e "$a/settings.ini" ]; then
        cmp -s "$b/settings.ini" "$a/settings.ini" 2>/dev/null || problems+=(settings)
    fi
    [ ${#problems[@]} -eq 0 ] && continue
    differ=$((differ + 1))
    echo "$name differs in: ${problems[*]} ($work/scripts/$name.txt)"
    for what in "${problems[@]}"; do
        case $what in
        trace) show_first_difference trace "$b/trace.jsonl" "$a/trace.jsonl" ;;
        stderr) show_first_difference stderr "$b/stderr.txt" "$a/stderr.txt" ;;
        status) echo "  exit status: before $(cat "$b/status"), after $(cat "$a/status")" ;;
        settings)
            if [ -e "$b/settings.ini" ] && [ -e "$a/settings.ini" ]; then
                show_first_difference settings "$b/settings.ini" "$a/settings.ini"
            else
                echo "  settings file: only one run left one"
            fi
            ;;
        esac
    done
done

echo "${#names[@]} scripts compared, $differ differ"
if [ "$differ" -gt 0 ] || [ "${KEEP:-0}" = 1 ]; then
    echo "work folder kept: $work" >&2
else
    rm -rf "$work"
fi
[ "$differ" -eq 0 ]
