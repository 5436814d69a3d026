#!/usr/bin/env bash
# Installs the dependencies, builds VELOR with warnings as errors and runs every test
# (core tests with GoogleTest, GUI tests offscreen with Qt Test), then the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
scripts/build.sh -DVELOR_WERROR=ON
(cd build && ctest --output-on-failure -j"$(nproc)")
if [ "${VELOR_SKIP_SANITIZE:-0}" != 1 ]; then
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELOR_SANITIZE=ON -DVELOR_WERROR=ON \
    -DVELOR_BUILD_GUI=OFF -DVELOR_BUILD_BENCH=OFF >/dev/null
  cmake --build build-sanitize -j"$(nproc)"
  (cd build-sanitize && ctest --output-on-failure -j"$(nproc)" -LE gui)
fi
