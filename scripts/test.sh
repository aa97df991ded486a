#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, runs every test, then builds the
# fuzz targets with clang in build-fuzz/ and gives each a short run on its own.
# Arguments are passed to ctest (for example -R link).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build-test -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug \
    -DMORLIX_SANITIZE=ON \
    -DMORLIX_BUILD_TESTS=ON \
    -DMORLIX_BUILD_BENCH=ON
cmake --build build-test --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure --parallel "$jobs" "$@"

# A short fuzzing run catches a receive or decode path that crashes on the
# first odd input; long runs are done by hand (see fuzz/README.md).
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORLIX_BUILD_FUZZ=ON \
    -DMORLIX_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --parallel "$jobs"
for target in build-fuzz/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    echo "Fuzzing $(basename "$target") briefly"
    "$target" -runs=20000 -seed=1 -rss_limit_mb=2048 -print_final_stats=0 2>&1 | tail -n 2
done
