#!/usr/bin/env bash
# Installs what is missing, builds, prepares the program folder beside the executable and starts Cantilog.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target cantilog cantilog-cli make-guida
# The program folder is the executable's folder: put there what an installation starts with,
# never over files already there.
[ -e build/unins000.dll ] || cp assets/unins000.dll build/
[ -e build/Guida.pdf ] || build/make-guida build/Guida.pdf
mkdir -p build/Documenti_Allegati
exec build/cantilog "$@"
