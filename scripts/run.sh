#!/usr/bin/env bash
# Installs what is missing, builds, prepares the program folder beside the executable and starts Cantilog.
#   bash scripts/run.sh [ARGS...]            on the program folder build/
#   bash scripts/run.sh --esempio [ARGS...]  on the sample folder build/esempio/, filled when missing
set -euo pipefail
cd "$(dirname "$0")/.."
sample=0
if [ "${1:-}" = "--esempio" ]; then
  sample=1
  shift
fi
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target cantilog cantilog-cli make-guida
# The program folder is the executable's folder: put there what an installation starts with,
# never over files already there.
[ -e build/unins000.dll ] || cp assets/unins000.dll build/
[ -e build/Guida.pdf ] || build/make-guida build/Guida.pdf
mkdir -p build/Documenti_Allegati
if [ "$sample" = 1 ]; then
  [ -e build/esempio ] || CLI=build/cantilog-cli bash scripts/make_sample.sh build/esempio
  [ -e build/esempio/Guida.pdf ] || build/make-guida build/esempio/Guida.pdf
  exec build/cantilog --folder build/esempio "$@"
fi
exec build/cantilog "$@"
