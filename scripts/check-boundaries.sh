#!/usr/bin/env bash
# Fails when an OS, SDL or DirectX header is included outside platform/ and apps/
# (the tools and the tests may use libraries of their own, never a backend header in the engine).
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='#[[:space:]]*include[[:space:]]*[<"](SDL|SDL2/|windows\.h|ddraw\.h|dsound\.h|mmsystem\.h|unistd\.h|fcntl\.h|pthread\.h|sys/)'
hits=$(grep -rnE "$pattern" core file assets graphics scene sound game 2>/dev/null || true)
if [ -n "$hits" ]; then
  echo "Platform headers outside platform/ and apps/:"
  echo "$hits"
  exit 1
fi
echo "boundary check: engine and game include no platform header"
