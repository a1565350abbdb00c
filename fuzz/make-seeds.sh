#!/usr/bin/env bash
# fuzz/make-seeds.sh OUT ENGINE: lays out the seed inputs of every fuzz target in OUT/<target>/
# from the example set, replacing what OUT held. The kinds of seed: whole files, single
# parameter lines, files joined by the part separator of fuzz_check.h for the targets that take
# several files at once, and the result file that the engine program ENGINE writes for the
# examples. The build runs this (target fuzz_seeds); scripts/fuzz starts libFuzzer from these
# seeds and ctest replays them (FuzzReplay.*).
set -euo pipefail
out=$(realpath -m "$1")
engine=$(realpath "$2")
cd "$(dirname "$0")/.."

kinds=$(mktemp -d)
trap 'rm -rf "$kinds"' EXIT
mkdir "$kinds/files" "$kinds/lines" "$kinds/named" "$kinds/engine" "$kinds/result" "$kinds/work"

cp examples/*.idn examples/*.tip "$kinds/files/"
n=0
for f in examples/ttx.idn examples/rrv.idn; do
  while IFS= read -r line; do
    n=$((n + 1)); printf '%s' "$line" >"$kinds/lines/$n"
  done < <(tr -d '\n' <"$f" | tr '\r' '\n')
done
separator=$'\n--8<--\n'
for f in examples/ttx.idn examples/rrv.idn; do
  { cat "$f"; printf '%s' "$separator"; printf 'Станция' | iconv -f UTF-8 -t CP1251; } >"$kinds/named/$(basename "$f")"
done
{ cat examples/prf.idn; printf '%s' "$separator"; cat examples/ttx.idn; printf '%s' "$separator"; cat examples/rrv.idn; } \
  >"$kinds/engine/examples"
# The engine reads buf.prf (the profile file serves) and buf.ttx, and rrv.idn from its folder.
work=$kinds/work
cp examples/prf.idn "$work/buf.prf"; cp examples/ttx.idn "$work/buf.ttx"; cp examples/rrv.idn "$work/"
(cd "$work" && "$engine" buf.prf buf.ttx >/dev/null 2>&1) || true
if [ ! -f "$work/vakrel.rez" ]; then
  echo "make-seeds.sh: $engine wrote no vakrel.rez for the examples" >&2
  exit 1
fi
cp "$work/vakrel.rez" "$kinds/result/"

# Which kinds each target starts from; a seed is named by its kind, as two kinds share names.
seed() {
  local target=$1 kind f
  shift
  mkdir -p "$out/$target"
  for kind in "$@"; do
    for f in "$kinds/$kind"/*; do cp "$f" "$out/$target/$kind-$(basename "$f")"; done
  done
}
rm -rf "$out"
seed fuzz_line_reader files lines
seed fuzz_codepage files lines
seed fuzz_value_field lines
seed fuzz_profile files
seed fuzz_station files named
seed fuzz_conditions files named
seed fuzz_engine engine
seed fuzz_result_file result files
