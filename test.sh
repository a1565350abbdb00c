#!/usr/bin/env bash
# Installs what is missing, builds everything (the tests too) with warnings as errors, and runs
# every test through ctest without a display, the replays of the fuzz targets on their seeds too.
#   SANITIZE=1 ./test.sh   the same tests built with AddressSanitizer and UBSan (build-sanitize/)
#   FUZZ=1 ./test.sh       also a short run of every fuzz target
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
# One layout for every source file (.clang-format); a file that strays from it fails the run.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
export QT_QPA_PLATFORM=offscreen
if [ "${SANITIZE:-0}" = 1 ]; then
  dir=build-sanitize
  scripts/build "$dir" Debug -DBUILD_TESTING=ON -DVAKREL_WERROR=ON -DVAKREL_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  scripts/build "$dir" Release -DBUILD_TESTING=ON -DVAKREL_WERROR=ON
fi
ctest --test-dir "$dir" --output-on-failure -j2 --timeout 300
if [ "${FUZZ:-0}" = 1 ]; then
  scripts/fuzz 30
fi
