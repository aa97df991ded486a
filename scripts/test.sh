#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build-test -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug \
    -DMORLIX_SANITIZE=ON \
    -DMORLIX_BUILD_TESTS=ON
cmake --build build-test --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure --parallel "$(nproc)" "$@"
