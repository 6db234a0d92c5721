#!/usr/bin/env bash
# Checks that every C and C++ file of the project is laid out as .clang-format says: prints the
# files that differ and exits 1 when there is any. With --fix it formats them in place instead.
# Usage: check-format.sh [--fix] [ROOT]
set -euo pipefail
fix=
if [ "${1:-}" = --fix ]; then
  fix=1
  shift
fi
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/setup.sh installs it)"; exit 1; }

# The project's own sources: the files git knows, or every source file when there is no git.
if [ -e .git ]; then
  files=$(git ls-files '*.h' '*.hpp' '*.c' '*.cpp')
else
  files=$(find . -path ./build -prune -o -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \) -print | sed 's|^\./||' | sort)
fi

if [ -n "$fix" ]; then
  printf '%s\n' $files | xargs clang-format -i
  exit 0
fi
bad=0
for file in $files; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "$file: not formatted (scripts/check-format.sh --fix formats it)"
    bad=1
  fi
done
exit $bad
