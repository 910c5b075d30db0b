#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when they are missing.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for pkg in cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev \
           libbenchmark-dev zlib1g-dev liblzma-dev mingw-w64 wine64 xvfb xdotool \
           osslsigncode openssl imagemagick x11-utils python3; do
  have_pkg "$pkg" || need+=("$pkg")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need+=(wine32:i386)
  update=1
fi
have_pkg wine32:i386 || need+=(wine32:i386)

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${need[@]}"
fi
