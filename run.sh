#!/usr/bin/env bash
# Installs what is missing, builds Release into build/, lays out the working folder work/ from
# examples/ on the first run, and starts vakrel_w there.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
scripts/build build Release
if [ ! -d work ]; then
  cp -r examples work
fi
cd work
exec ../build/bin/vakrel_w
