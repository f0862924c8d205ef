#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised build). They measure; nothing is asserted.
#   bash tools/bench.sh [google-benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DREVERSI_TESTS=ON
cmake --build build-bench -j"$(nproc)" --target rules_bench
./build-bench/bench/rules_bench "$@"
