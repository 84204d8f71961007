#!/usr/bin/env bash
# make_journal.sh CLI FOLDER NAME PAGES: appends PAGES generated pages to the journal NAME
# through cantilog-cli append, 1000 pages per call. Pages are filled the way a site keeps them:
# short fields, and long notes of a few hundred to a few thousand characters.
set -euo pipefail
cli=$1 folder=$2 name=$3 pages=$4
# Journal commands work on existing journals only.
[ -e "$folder/$name.cnt" ] || "$cli" --folder "$folder" create-journal "$name" >/dev/null
done_pages=0
while (( done_pages < pages )); do
    chunk=$(( pages - done_pages < 1000 ? pages - done_pages : 1000 ))
    awk -v first="$done_pages" -v n="$chunk" '
    function repeat(text, times,   out, k) { out = ""; for (k = 0; k < times; k++) out = out text; return out }
    BEGIN {
        split("Scavo di sbancamento|Getto della Fondazione|Muri in elevazione|Solaio primo piano|Copertura e tetto|Impianti elettrici|Intonaci interni|Pavimentazione esterna", oggetto, "|")
        split("sereno|nuvoloso|pioggia|variabile|neve|nebbia", meteo, "|")
        split("argilla|ghiaia|sabbia|roccia|limo", natura, "|")
        split("Ing. Mario Rossi|Arch. Laura Bianchi|Ing. Paolo Verdi|Geom. Anna Neri", direttore, "|")
        printf "["
        for (j = 0; j < n; j++) {
            i = first + j
            if (j) printf ","
            printf "{\"Numero\":\"%d\",\"Data\":\"%02d/%02d/2024\",", i + 1, i % 28 + 1, int(i / 28) % 12 + 1
            printf "\"Committente\":\"Comune di Vattelapesca\",\"Impresa\":\"Edilizia Esempio S.r.l.\","
            printf "\"Oggetto\":\"%s lotto %d\",\"Meteo\":\"%s\",\"Natura\":\"%s\",\"Totale\":\"%d\",",
                oggetto[i % 8 + 1], i % 37, meteo[i % 6 + 1], natura[i % 5 + 1], i % 15 + 1
            printf "\"Annotazioni\":\"%s\",", repeat("Getto del calcestruzzo per la platea, armature controllate, casseri disarmati.\\n", 5 + i % 25)
            printf "\"Operai\":\"%s\",", repeat("Muratore Bianchi Luca, Carpentiere Neri Ugo, Escavatore CAT 320, ", 2 + i % 8)
            printf "\"Osservazioni\":\"%s\",", repeat("Il direttore dei lavori prescrive la verifica dei ferri. ", 1 + i % 12)
            printf "\"Direttore\":\"%s\",\"Responsabile\":\"Dott. Carlo Gialli\"}", direttore[i % 4 + 1]
        }
        printf "]"
    }' | "$cli" --folder "$folder" append journal "$name" >/dev/null
    done_pages=$(( done_pages + chunk ))
done
