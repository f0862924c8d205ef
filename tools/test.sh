#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice over:
#  1. the normal build (unit, rendering, data and end-to-end tests, and the install tests, which
#     also build the Debian package with tools/package.sh);
#  2. a clang Debug build with AddressSanitizer + UndefinedBehaviorSanitizer that runs the unit and
#     rendering and data tests again (leaks checked), the TGA loader's fuzzer for a bounded time, and the
#     end-to-end tests against the sanitized game.
# With REVERSI_TEST_TSAN=1, a third build with ThreadSanitizer runs the background search's tests
# and those that stop the computer's and the hint's searches mid-search (about 3 more minutes: off
# by default, so that the normal run stays near 10 minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

jobs=$(nproc)

cmake -S . -B build -DREVERSI_TESTS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# The benchmarks assert nothing, so the sanitized tree leaves them out. Its debug information is
# line tables only (the sanitizers' reports keep their files and lines, and the build is quicker),
# and it is optimised lightly (-O1), as the sanitizers' own guides advise: the build takes longer,
# the sanitized tests (the training's fit, the weights' loader, the solver) far less.
cmake -S . -B build-sanitize -DREVERSI_SANITIZE=ON -DREVERSI_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  "-DCMAKE_C_FLAGS_DEBUG=-O1 -gline-tables-only" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only"
cmake --build build-sanitize -j"$jobs"
# Leaks are checked too; tools/lsan.supp excuses Mesa's offscreen driver, and nothing else.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L 'unit|render|data|fuzz'

# The real game again, built with the sanitizers and with its debug-only OpenGL error checks, played
# end to end. Leak checking is off for this run only: the X11, GLX and SDL drivers the game loads
# keep allocations until exit; our own code's leaks are checked by the run above.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L e2e

if [[ ${REVERSI_TEST_TSAN:-0} == 1 ]]; then
  cmake -S . -B build-tsan -DREVERSI_TSAN=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  cmake --build build-tsan -j"$jobs" --target opponent_tests
  TSAN_OPTIONS=halt_on_error=1 \
    ctest --test-dir build-tsan --output-on-failure -R 'BackgroundSearch|ComputerOpponent|HintAndTakeBack'
fi
