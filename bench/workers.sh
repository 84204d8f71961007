#!/usr/bin/env bash
# Workers registry speed: the worker search and the contract summary over a large registry.
#   bench/workers.sh            (BUILD=dir to use an existing build, WORKERS=n for the size)
# Prints, best of 5 each, run side by side: the search with two filters against
# LC_ALL=C grep -c -i over the same file (goal: at most 3 times), and the contract summary
# against reading the file with dd (goal: at most 20 times).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
workers=${WORKERS:-20000}

cmake -S "$root" -B "$build" -G Ninja -DCANTILOG_BENCH=ON >/dev/null
ninja -C "$build" -j2 cantilog-cli >/dev/null
cli=$build/cantilog-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
archive=$work/Dipendenti.pro
python3 "$root/bench/make_workers.py" "$archive" "$workers"

# Seconds of the fastest of five runs of the command.
best_of_5() {
    local best="" start end t
    for _ in 1 2 3 4 5; do
        start=$EPOCHREALTIME
        "$@" >"$work/out" 2>/dev/null || true   # not /dev/null: grep stops at the first match there
        end=$EPOCHREALTIME
        t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
        if [[ -z $best ]] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
    done
    echo "$best"
}

# Runs two commands alternately (so neither gets a better cache) and prints both and the ratio.
side_by_side() {
    local label_a=$1 label_b=$2 goal=$3; shift 3
    local -a a=() b=()
    while [[ $1 != -- ]]; do a+=("$1"); shift; done; shift
    b=("$@")
    "${a[@]}" >/dev/null 2>&1 || true; "${b[@]}" >/dev/null 2>&1 || true
    local ta tb
    for _ in 1 2; do
        ta=$(best_of_5 "${a[@]}")
        tb=$(best_of_5 "${b[@]}")
    done
    printf '%-52s %8s s\n' "$label_a, best of 5:" "$ta"
    printf '%-52s %8s s\n' "$label_b, best of 5:" "$tb"
    awk -v s="$ta" -v g="$tb" -v goal="$goal" -v l="ratio:" \
        'BEGIN { printf "%-52s %8.2f   (goal: at most %s)\n", l, s / g, goal }'
}

search=("$cli" --folder "$work" search workers --Cognome=ross --Codice=murat)
grepc=(env LC_ALL=C grep -c -i ross "$archive")
summary=("$cli" --folder "$work" --today 10/06/2024 summary contracts)
ddread=(dd if="$archive" of=/dev/null bs=1M status=none)

printf 'Workers: %d records, %d bytes\n' "$workers" "$(stat -c %s "$archive")"
printf 'Search lines: %s\n' "$("${search[@]}" | tail -n 1)"
printf 'Contracts listed on 10/06/2024: %d\n' "$("${summary[@]}" | wc -l)"
echo
side_by_side "cantilog-cli search workers (2 filters)" "LC_ALL=C grep -c -i ross" 3 "${search[@]}" -- "${grepc[@]}"
echo
side_by_side "cantilog-cli summary contracts" "dd if=FILE of=/dev/null bs=1M" 20 "${summary[@]}" -- "${ddread[@]}"
