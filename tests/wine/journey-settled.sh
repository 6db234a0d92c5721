#!/usr/bin/env bash
# journey-settled.sh RUNNER ROOT JOURNEY WORK: every shot of the journey shows a settled
# screen. The headless runner plays the journey as written, then with every wait 700 ms
# longer and then half as long again; the shots must come out byte for byte the same, or a
# real-clock run (the Windows lane) could not match them.
set -euo pipefail
runner=$1 root=$2 journey=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
for variant in asis plus700 times15; do
  mkdir -p "$work/$variant"
  awk -v v="$variant" -v dir="$work/$variant" '
    $1 == "wait" { ms = $2; if (v == "plus700") ms += 700; else if (v == "times15") ms = int(ms * 1.5); print "wait " ms; next }
    $1 == "shot" { print "shot " dir "/" $2; next }
    { print }' "$journey" >"$work/$variant.txt"
  "$runner" --root "$root" --script "$work/$variant.txt" 2>/dev/null
done
status=0
shots=0
for shot in "$work"/asis/*.png; do
  name=$(basename "$shot")
  shots=$((shots + 1))
  for variant in plus700 times15; do
    if ! cmp -s "$shot" "$work/$variant/$name"; then
      echo "$name is not settled: it differs when the waits are $variant"
      status=1
    fi
  done
done
[ "$shots" -gt 0 ] || { echo "the journey took no shots"; exit 1; }
[ "$status" -eq 0 ] && echo "all $shots shots of the journey are settled"
exit $status
