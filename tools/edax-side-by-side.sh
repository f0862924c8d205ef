#!/usr/bin/env bash
# Times the exact solver beside Edax on the same machine, in turns: the yardstick of the engine's
# endgame work is Edax 4.x with untrained (all-zero) weights, solving on one thread. Edax is not
# packaged for Debian: build it from its own sources first, then give its binary:
#   EDAX=/path/to/lEdax bash tools/edax-side-by-side.sh [ROUNDS] [40-44|45-49]
# The FFO positions are the benchmark's own (bench/EngineBench.cpp). The all-zero weights are
# written in the layout Edax 4.4-4.6 reads (two tags, a version, a date, then 61 stages of 114,364
# 16-bit weights). Each round runs Edax, then our benchmark, and prints both; nothing is judged.
# Both count as nodes the positions searched and the children their orderings look at.
# Everything written goes to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
set_=${2:-40-44}
case $set_ in
40-44) numbers='40|41|42|43|44' ;;
45-49) numbers='45|46|47|48|49' ;;
*) echo "edax-side-by-side: the set is 40-44 or 45-49, not '$set_'" >&2; exit 2 ;;
esac
if [[ -z ${EDAX:-} || ! -x $EDAX ]]; then
  echo "edax-side-by-side: EDAX must name Edax's binary (built from its sources)" >&2
  exit 2
fi

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DREVERSI_TESTS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target engine_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The benchmark's table lines read {"BOARD SIDE", "moves", value}, // #N
sed -nE 's@^ *\{"([-OX]{64} [OX])",.*// #('"$numbers"')$@\1;@p' bench/EngineBench.cpp >"$work/positions.obf"
if [[ $(wc -l <"$work/positions.obf") -ne 5 ]]; then
  echo "edax-side-by-side: could not read the 5 positions of $set_ from bench/EngineBench.cpp" >&2
  exit 1
fi
/usr/bin/python3 - "$work/eval.dat" <<'EOF'
import struct, sys
with open(sys.argv[1], "wb") as f:
    f.write(struct.pack("<IIIIId", 0x45444158, 0x4556414C, 3, 2, 5, 0.0))  # 'EDAX', 'EVAL', 3.2.5, date
    f.write(bytes(2 * 114364 * 61))
EOF

for round in $(seq "$rounds"); do
  # Edax looks for its other files beside the working folder: run it from its own.
  (cd "$(dirname "$EDAX")" && "$EDAX" -solve "$work/positions.obf" -l 60 -n 1 -book-usage off \
    -eval-file "$work/eval.dat") >"$work/edax.out" 2>&1 || true
  edax=$(grep -E 'nodes in' "$work/edax.out" | tail -1 || true)
  echo "round $round, Edax: ${edax:-no summary line, see its output:}"
  [[ -n $edax ]] || cat "$work/edax.out"
  ./build-bench/bench/engine_bench --benchmark_filter="SolveFfo/($numbers)/1" 2>/dev/null |
    awk -v round="$round" '/^BM_SolveFfo/ {
        for (i = 1; i <= NF; i++) if ($i ~ /^nodes=/) { n = substr($i, 7); sub(/M/, "", n) }
        nodes += n; ms += $4 }
      END { printf "round %s, ours: %.1f M nodes in %.2f s (CPU)\n", round, nodes, ms / 1000 }'
done
