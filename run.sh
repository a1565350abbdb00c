#!/usr/bin/env bash
# Installs what building and running need, builds the programs alone (Release, build/), lays
# out the working folder work/ from examples/ on the first run, and starts vakrel_w there.
# ./test.sh builds and runs the rest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps run
scripts/build build Release --programs
if [ ! -d work ]; then
  cp -r examples work
fi
exec build/bin/vakrel_w work
