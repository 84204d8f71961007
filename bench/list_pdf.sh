#!/usr/bin/env bash
# Time to lay out and write the list summary report with cantilog-cli, for a small and a large
# list, and how the time grows with the lines.
#   bench/list_pdf.sh            (BUILD=dir to use an existing build, SMALL=n and LARGE=n lines)
# Prints the seconds of the fastest of five runs for each size and their ratio; the layout is
# proportional to the lines when the ratio stays near LARGE / SMALL (limit: 15 for 1,000 and 10,000).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
small=${SMALL:-1000}
large=${LARGE:-10000}

if [[ -z ${BUILD:-} ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    ninja -C "$build" -j2 cantilog-cli >/dev/null
fi
cli=$build/cantilog-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Lines shaped like the equipment summaries: a code, a description, a date, an amount.
make_lines() {
    awk -v n="$1" 'BEGIN { for (i = 1; i <= n; ++i)
        printf "Codice: A%05d   Tipologia: Betoniera a bicchiere %-20s Revisione: %02d/%02d/2024   Valore: %d,00\n",
            i, "n. " i, i % 28 + 1, i % 12 + 1, i * 7 % 10000 }' >"$work/lines$1.txt"
}

best_of_5() {
    local best="" t start end
    for _ in 1 2 3 4 5; do
        start=$EPOCHREALTIME
        "$cli" --folder "$work" pdf list "Riepilogo" "$work/list$1.pdf" <"$work/lines$1.txt"
        end=$EPOCHREALTIME
        t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
        if [[ -z $best ]] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
    done
    echo "$best"
}

make_lines "$small"
make_lines "$large"
t_small=$(best_of_5 "$small")
t_large=$(best_of_5 "$large")
pages=$(pdfinfo "$work/list$large.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }' || true)
awk -v s="$small" -v l="$large" -v a="$t_small" -v b="$t_large" -v p="${pages:-?}" 'BEGIN {
    printf "list summary to PDF: %d lines in %.3f s, %d lines in %.3f s (%s sheets), best of 5\n", s, a, l, b, p
    printf "ratio %.2f for %.0f times the lines (limit 15)\n", b / a, l / s }'
