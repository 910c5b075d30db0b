#!/usr/bin/env bash
# Checks that every C++ file follows the repository's .clang-format.
set -uo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
[ -n "$files" ] || exit 0
if ! clang-format --dry-run -Werror $files 2>/tmp/zebo-format.txt; then
  head -30 /tmp/zebo-format.txt; echo "Run: make format"; exit 1
fi
echo "format ok"
