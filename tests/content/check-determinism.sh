#!/usr/bin/env bash
# Runs the content generator twice into two folders, packs both stagings with mrvtool and
# fails unless the two runs gave identical bytes, file for file.
#   check-determinism.sh CONTENTGEN MRVTOOL WORKDIR
set -euo pipefail
contentgen=$1
mrvtool=$2
work=$3
rm -rf "$work"
mkdir -p "$work"

pack_all() {
  local staging=$1 out=$2
  (cd "$staging" && find . -name '*.args' | sort) | while read -r args; do
    name=${args%.args}
    mkdir -p "$(dirname "$out/$name")"
    mapfile -t argv < <(grep -v '^#' "$staging/$args")
    argv=("${argv[@]/@OUT@/$out/$name}")
    (cd "$staging" && "$mrvtool" "${argv[@]}" > /dev/null)
  done
}

generate_and_pack() {
  "$contentgen" "$work/staging-$1" --preview "$work/preview-$1"
  pack_all "$work/staging-$1" "$work/content-$1"
}

# The two runs go side by side, one per core.
generate_and_pack a &
run_a=$!
generate_and_pack b
wait "$run_a"
diff -r "$work/staging-a" "$work/staging-b"
diff -r "$work/preview-a" "$work/preview-b"
diff -r "$work/content-a" "$work/content-b"
echo "content generation is deterministic: $(find "$work/content-a" -type f | wc -l) packed files identical"
rm -rf "$work"
