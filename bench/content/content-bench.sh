#!/usr/bin/env bash
# Prints the content build's figures:
#   content_build_s            the content target built from a clean build folder in which the
#                              tools (contentgen, mrvtool) are already compiled: generating every
#                              picture and sound and packing all of them, -j2
#   content_tools_build_s      compiling the tools themselves in that clean folder, for reference
#   content_total_kb           size of <build>/content
#   content_compression_ratio  packed / raw bytes over all pictures (.mri and .mrm frames)
#   content-bench.sh SOURCE_DIR WORK_DIR
set -euo pipefail
src=$1
work=$2
rm -rf "$work"
cmake -S "$src" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELVINA_TESTS=OFF -DVELVINA_BENCH=OFF -DVELVINA_FUZZ=OFF > /dev/null

now() { date +%s.%N; }
t0=$(now)
cmake --build "$work" --target contentgen mrvtool -j2 > /dev/null
t1=$(now)
cmake --build "$work" --target content -j2 > /dev/null
t2=$(now)

content="$work/content"
total_kb=$(du -sk "$content" | cut -f1)
# Raw size of a picture: width x height x 2 from each record ("size: WxH"); packed: file bytes.
raw=0
packed=0
while IFS= read -r -d '' file; do
  pixels=$("$work/tools/mrvtool/mrvtool" info "$file" |
    awk '$1 == "size:" { split($2, d, "x"); n += d[1] * d[2] } END { print n + 0 }')
  raw=$((raw + 2 * pixels))
  packed=$((packed + $(stat -c %s "$file")))
done < <(find "$content" \( -name '*.mri' -o -name '*.mrm' \) -print0)

awk -v a="$t0" -v b="$t1" -v c="$t2" -v kb="$total_kb" -v p="$packed" -v r="$raw" 'BEGIN {
  printf "FIGURE content_build_s %.1f\n", c - b
  printf "FIGURE content_tools_build_s %.1f\n", b - a
  printf "FIGURE content_total_kb %d\n", kb
  printf "FIGURE content_compression_ratio %.4f\n", p / r
}'
rm -rf "$work"
