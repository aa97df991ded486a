#!/usr/bin/env bash
# Installs what is missing and builds a release build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORLIX_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)"
echo "Built in build/."
