#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then a Debug build with
# AddressSanitizer and UndefinedBehaviorSanitizer. The normal build runs the
# window tests once more on a real X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
kaldris_install_packages xvfb

jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKALDRIS_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
