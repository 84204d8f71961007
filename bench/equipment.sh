#!/usr/bin/env bash
# Equipment inventory speed over 50,000 records (about 172 MB).
#   bench/equipment.sh            (BUILD=dir to use an existing build, RECORDS=n for the size)
# Prints, best of 5 each, run side by side: the due-or-overdue summary against reading the
# archive with dd, and the spreadsheet export against copying the exported file with cp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
records=${RECORDS:-50000}

cmake -S "$root" -B "$build" -G Ninja -DCANTILOG_BENCH=ON >/dev/null
ninja -C "$build" -j2 cantilog-cli >/dev/null
cli=$build/cantilog-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
archive=$work/Attrezzature.pro
python3 "$root/bench/make_equipment.py" "$archive" "$records"

best_of_5() {
    local best="" start end t
    for _ in 1 2 3 4 5; do
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>&1
        end=$EPOCHREALTIME
        t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
        if [[ -z $best ]] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
    done
    echo "$best"
}

summary=("$cli" --folder "$work" --today 15/06/2024 summary revisions)
ddread=(dd if="$archive" of=/dev/null bs=1M)
export=("$cli" --folder "$work" export equipment)
"${summary[@]}" >/dev/null; "${ddread[@]}" 2>/dev/null; "${export[@]}" >/dev/null   # warm cache for both sides
sheet=$work/Attrezzature.xls
copy=(cp "$sheet" "$work/copia.xls")

printf 'Inventory: %d records, %d bytes; export file %d bytes\n' "$records" "$(stat -c %s "$archive")" \
    "$(stat -c %s "$sheet")"
printf 'Lines listed by summary revisions: %d\n' "$("${summary[@]}" | wc -l)"
for round in 1 2; do   # alternate so neither side gets a better cache
    t_summary=$(best_of_5 "${summary[@]}")
    t_dd=$(best_of_5 "${ddread[@]}")
    t_export=$(best_of_5 "${export[@]}")
    t_cp=$(best_of_5 "${copy[@]}")
done
printf '%-44s %8s s\n' "cantilog-cli summary revisions, best of 5:" "$t_summary"
printf '%-44s %8s s\n' "dd if=archive of=/dev/null bs=1M, best of 5:" "$t_dd"
awk -v s="$t_summary" -v d="$t_dd" 'BEGIN { printf "%-44s %8.1f   (goal: at most 20)\n", "summary / dd:", s / d }'
printf '%-44s %8s s\n' "cantilog-cli export equipment, best of 5:" "$t_export"
printf '%-44s %8s s\n' "cp of the exported file, best of 5:" "$t_cp"
awk -v e="$t_export" -v c="$t_cp" 'BEGIN { printf "%-44s %8.1f   (goal: at most 10)\n", "export / cp:", e / c }'
