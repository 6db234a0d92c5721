#!/usr/bin/env bash
# The content is the same bytes whatever the build type: builds the content tools (contentgen,
# mrvtool) a second time as a Release build in WORKDIR/release-tools (kept between runs, so only
# the first run compiles them all), runs the generator of this build and the Release one side by
# side, packs each staging with its own mrvtool and fails unless the two gave identical staged
# sources, contact sheets and packed content, file for file.
#   check-determinism.sh CONTENTGEN MRVTOOL SOURCE_DIR WORKDIR C_COMPILER CXX_COMPILER
set -euo pipefail
contentgen=$1
mrvtool=$2
source_dir=$3
work=$4
c_compiler=$5
cxx_compiler=$6
release_build="$work/release-tools"

now() { date +%s.%N; }
t0=$(now)
if [ ! -f "$release_build/build.ninja" ]; then
  cmake -S "$source_dir" -B "$release_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER="$c_compiler" -DCMAKE_CXX_COMPILER="$cxx_compiler" \
    -DVELVINA_TESTS=OFF -DVELVINA_BENCH=OFF -DVELVINA_FUZZ=OFF -DVELVINA_CONTENT=OFF > /dev/null
fi
cmake --build "$release_build" --target contentgen mrvtool -j2 > /dev/null
t1=$(now)
release_contentgen="$release_build/tools/contentgen/contentgen"
release_mrvtool="$release_build/tools/mrvtool/mrvtool"

# Packs every staged file as the content build does (PackContent.cmake).
pack_all() {
  local tool=$1 staging=$2 out=$3
  (cd "$staging" && find . -name '*.args' | sort) | while read -r args; do
    cmake -DMRVTOOL="$tool" -DSTAGING="$staging" -DARGS="$staging/$args" -DOUT="$out/${args%.args}" \
      -P "$source_dir/tools/contentgen/PackContent.cmake" > /dev/null
  done
}

generate_and_pack() {
  local name=$1 generator=$2 tool=$3
  rm -rf "$work/staging-$name" "$work/preview-$name" "$work/content-$name"
  "$generator" "$work/staging-$name" --preview "$work/preview-$name"
  pack_all "$tool" "$work/staging-$name" "$work/content-$name"
}

# The two runs go side by side, one per core.
generate_and_pack default "$contentgen" "$mrvtool" &
run_default=$!
generate_and_pack release "$release_contentgen" "$release_mrvtool"
wait "$run_default"
t2=$(now)
diff -r "$work/staging-default" "$work/staging-release"
diff -r "$work/preview-default" "$work/preview-release"
diff -r "$work/content-default" "$work/content-release"
echo "content is identical in this build and a Release build:" \
  "$(find "$work/content-default" -type f | wc -l) packed files compared"
awk -v a="$t0" -v b="$t1" -v c="$t2" 'BEGIN {
  printf "Release tools built in %.1f s, both contents generated and packed in %.1f s\n", b - a, c - b }'
rm -rf "$work"/staging-* "$work"/preview-* "$work"/content-*
