#!/usr/bin/env bash
# Turns the end-to-end tests' screenshots (BMP, as the Windows side writes them, in the output
# folder and its sub-folders) into PNG files beside them, for reading in a browser or a review.
set -euo pipefail
cd "$(dirname "$0")/../.."
ZEBO_ARCH_ONLY=1 source scripts/wine-env.sh
out=$ZEBO_WINBUILD/e2e-output
if ! command -v convert >/dev/null; then
  echo "png-screenshots: convert (imagemagick) is missing; the BMP files stay in $out"
  exit 0
fi
for bmp in "$out"/*.bmp "$out"/*/*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png"
  echo "${bmp%.bmp}.png"
done
