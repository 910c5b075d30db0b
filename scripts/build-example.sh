#!/bin/sh
# Packs examples/ into an installer: copies the example into the build tree, generates its start
# sound there, and runs zebo-pack build.
# Usage: scripts/build-example.sh ZEBO_PACK STUB OUT.exe [WORK_DIR]
set -eu
[ $# -ge 3 ] || { echo "usage: $0 ZEBO_PACK STUB OUT.exe [WORK_DIR]" >&2; exit 2; }
pack=$1 stub=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
work=${4:-$root/build/example}
rm -rf "$work"
mkdir -p "$work"
cp -R "$root/examples/." "$work/"
"$pack" make-sound "$work/chime.wav"
"$pack" build "$work/package.ini" -o "$out" --stub "$stub"
