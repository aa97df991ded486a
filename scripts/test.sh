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
FUZZ_RUNS=20000 FUZZ_JOBS="$jobs" FUZZ_PARALLEL="$jobs" scripts/fuzz.sh
