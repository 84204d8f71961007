#!/usr/bin/env bash
# Journal page search speed and memory, and the time to fill the search screen's result list.
#   bench/search_journal.sh            (BUILD=dir to use an existing build, PAGES=n for the size)
# Prints: search with two filters against LC_ALL=C grep -c -i over the same journal (best of 5
# each, run side by side), peak memory of the search as the journal grows, and the list fill.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
pages=${PAGES:-10000}

cmake -S "$root" -B "$build" -G Ninja -DCANTILOG_BENCH=ON >/dev/null
ninja -C "$build" -j2 cantilog-cli bench_list_fill >/dev/null
cli=$build/cantilog-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/bench/make_journal.sh" "$cli" "$work" big $(( pages * 2 ))
record=12179
head -c $(( pages * record )) "$work/big.cnt" >"$work/cantiere.cnt"
journal=$work/cantiere.cnt

# Seconds of the fastest of five runs of the command.
best_of_5() {
    local best="" start end t
    for _ in 1 2 3 4 5; do
        start=$EPOCHREALTIME
        "$@" >"$work/out" || true   # not /dev/null: grep stops at the first match there
        end=$EPOCHREALTIME
        t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
        if [[ -z $best ]] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
    done
    echo "$best"
}

search=("$cli" --folder "$work" search journal cantiere --Oggetto=fondazione --Natura=ghiaia)
grepc=(env LC_ALL=C grep -c -i fondazione "$journal")
"${search[@]}" >/dev/null; "${grepc[@]}" >/dev/null || true   # same warm cache for both

printf 'Journal: %d pages, %d bytes\n' "$pages" "$(stat -c %s "$journal")"
printf 'Lines listed by the search: %s\n' "$("${search[@]}" | tail -n 1)"
t_search=0 t_grep=0
for round in 1 2; do   # alternate so neither side gets a better cache
    t_search=$(best_of_5 "${search[@]}")
    t_grep=$(best_of_5 "${grepc[@]}")
done
printf '%-46s %8s s\n' "cantilog-cli search (2 filters), best of 5:" "$t_search"
printf '%-46s %8s s\n' "LC_ALL=C grep -c -i fondazione, best of 5:" "$t_grep"
awk -v s="$t_search" -v g="$t_grep" 'BEGIN { printf "%-46s %8.2f   (goal: at most 3)\n", "search / grep:", s / g }'

peak_kb() {
    if [[ -x /usr/bin/time ]]; then
        /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
    else
        "$@" >/dev/null & local pid=$! peak=0 kb
        while kill -0 "$pid" 2>/dev/null; do
            kb=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
            (( kb > peak )) && peak=$kb
        done
        echo "$peak"
    fi
}

echo
echo "Peak memory of the search as the journal grows (KB):"
printf '  %8s %12s %14s %14s\n' pages "file MB" "2 filters" "no filter"
for n in $(( pages / 4 )) $(( pages / 2 )) "$pages" $(( pages * 2 )); do
    head -c $(( n * record )) "$work/big.cnt" >"$work/crescita.cnt"
    two=$(peak_kb "$cli" --folder "$work" search journal crescita --Oggetto=fondazione --Natura=ghiaia)
    all=$(peak_kb "$cli" --folder "$work" search journal crescita)
    printf '  %8d %12.1f %14s %14s\n' "$n" "$(awk -v b=$(( n * record )) 'BEGIN { print b / 1e6 }')" "$two" "$all"
done

echo
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_list_fill" "$journal"
