#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, then again with AddressSanitizer and
# UndefinedBehaviorSanitizer in a second build folder. Any failure or sanitizer report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
python3 scripts/check_layers.py
# Every C++ file as .clang-format lays it out.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
bash scripts/check_install.sh build

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCANTILOG_SANITIZE=ON
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
