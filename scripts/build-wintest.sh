#!/usr/bin/env bash
# Builds the Windows programs for the architecture that Wine can run on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
ZEBO_ARCH_ONLY=1 source scripts/wine-env.sh
cmake -S . -B "$ZEBO_WINBUILD" -DCMAKE_BUILD_TYPE=MinSizeRel -DZEBO_WINDOWS_TESTS=ON \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$ZEBO_WINARCH.cmake >/dev/null
cmake --build "$ZEBO_WINBUILD" -j "$(nproc)"
