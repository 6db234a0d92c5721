#!/usr/bin/env bash
# Damaged-content sweep: plays a whole journey through every scene once per damaged variant of
# each content file and reports a table of outcomes. A variant passes when the game ends as
# it does with intact content (exit 0) within the time limit, with no sanitizer report and no
# more than twice the intact journey's peak memory.
#
# Variants of each file: missing; truncated to 0, 10 and 19 bytes and to half; three fixed
# sets of bit flips; and its header fields made huge (widths, heights and sizes of pictures,
# frame counts and lengths of frame sets, lengths and formats of sounds).
#
# Usage: scripts/damage-sweep.sh --runner VELVINA_HEADLESS --content CONTENT_DIR
#            [--journey FILE] [--sample] [--jobs N] [--keep DIR]
#   --sample   a fixed handful of variants (what the test suite runs); default: all of them
#   --jobs N   variants played side by side (default 1)
#   --keep DIR keep each failing variant's stderr and trace there
# Run by hand on a sanitized build for the whole sweep, for example:
#   scripts/damage-sweep.sh --runner build/asan/apps/velvina-headless \
#       --content build/asan/content --jobs 2
# Exit status: 0 when every variant passed, 1 when any failed, 2 for a usage error.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
runner="" content="" journey="$here/../tests/fixtures/journey.txt" sample=0 jobs=1 keep=""
while [ $# -gt 0 ]; do
    case $1 in
    --runner) runner=$2; shift 2 ;;
    --content) content=$2; shift 2 ;;
    --journey) journey=$2; shift 2 ;;
    --sample) sample=1; shift ;;
    --jobs) jobs=$2; shift 2 ;;
    --keep) keep=$2; shift 2 ;;
    *) echo "damage-sweep: unknown option $1" >&2; exit 2 ;;
    esac
done
for tool in "$runner" /usr/bin/time; do
    [ -x "$tool" ] || { echo "damage-sweep: $tool is not an executable (see --runner; GNU time is in scripts/setup.sh)" >&2; exit 2; }
done
[ -d "$content" ] && [ -f "$journey" ] || { echo "damage-sweep: needs --content DIR and a journey script" >&2; exit 2; }
content=$(cd "$content" && pwd)
runner=$(cd "$(dirname "$runner")" && pwd)/$(basename "$runner")
journey=$(cd "$(dirname "$journey")" && pwd)/$(basename "$journey")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -z "$keep" ] || mkdir -p "$keep"

# ---- the damage ------------------------------------------------------------------------------

# Writes the bytes given as hex pairs at an offset, in place.
poke() { # FILE OFFSET HEX...
    local file=$1 offset=$2; shift 2
    local bytes="" h
    for h in "$@"; do bytes+="\\x$h"; done
    printf "$bytes" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}

# Flips eight bits at places drawn from a fixed seed, so that every sweep damages the same bits.
flip_bits() { # FILE SEED
    local file=$1 state=$2 size i offset bit value
    size=$(stat -c %s "$file")
    [ "$size" -gt 0 ] || return 0
    for i in 1 2 3 4 5 6 7 8; do
        state=$(( (state * 1103515245 + 12345) % 2147483648 ))
        offset=$(( state % size ))
        bit=$(( (state >> 16) % 8 ))
        value=$(od -An -tu1 -j "$offset" -N 1 "$file" | tr -d ' ')
        poke "$file" "$offset" "$(printf %02x $(( value ^ (1 << bit) )))"
    done
}

# The variants of a file, by its kind.
variants_of() { # RELATIVE_PATH
    echo missing trunc0 trunc10 trunc19 trunc-half flip1 flip2 flip3
    case $1 in
    *.mri) echo huge-width huge-height huge-buffer huge-data ;;
    *.mrm) echo huge-count huge-length huge-frame-width huge-frame-buffer ;;
    *.mrs) echo huge-data-length huge-channels huge-rate huge-block ;;
    esac
}

damage() { # FILE VARIANT
    local file=$1
    case $2 in
    missing) rm -f "$file" ;;
    trunc0) truncate -s 0 "$file" ;;
    trunc10) truncate -s 10 "$file" ;;
    trunc19) truncate -s 19 "$file" ;;
    trunc-half) truncate -s $(( $(stat -c %s "$file") / 2 )) "$file" ;;
    flip1) flip_bits "$file" 1 ;;
    flip2) flip_bits "$file" 2 ;;
    flip3) flip_bits "$file" 3 ;;
    huge-width) poke "$file" 8 ff ff ;;
    huge-height) poke "$file" 10 ff ff ;;
    huge-buffer) poke "$file" 12 ff ff ff ff ;;
    huge-data) poke "$file" 16 ff ff ff ff ;;
    huge-count) poke "$file" 6 ff ff ;;
    huge-length) poke "$file" 8 ff ff ff ff ;;
    huge-frame-width) poke "$file" 20 ff ff ;;  # the first frame's record starts at 12
    huge-frame-buffer) poke "$file" 24 ff ff ff ff ;;
    huge-data-length) poke "$file" 22 ff ff ff ff ;;
    huge-channels) poke "$file" 6 ff ff ;;
    huge-rate) poke "$file" 8 ff ff ff ff ;;
    huge-block) poke "$file" 16 ff ff ;;
    esac
}

# ---- one journey -----------------------------------------------------------------------------

# Plays the journey on a root whose content has FILE damaged by VARIANT ("intact": none) and
# writes "variant file outcome seconds peak_kb" to RESULT.
play() { # FILE VARIANT RESULT LIMIT_S
    local file=$1 variant=$2 result=$3 limit=$4
    local root; root=$(mktemp -d "$work/run.XXXXXX")
    cp -r "$content" "$root/content"
    [ "$variant" = intact ] || damage "$root/content/$file" "$variant"
    ( cd "$root" && timeout -s KILL "$limit" /usr/bin/time -f '%e %M' -o "$root/time.txt" \
        "$runner" --root "$root" --script "$journey" --max-ms 120000 --trace "$root/trace.txt" \
        --journal "$root/journal.txt" >/dev/null 2>"$root/stderr.txt" )
    local status=$? seconds=0 peak=0 outcome=ok
    if [ -s "$root/time.txt" ]; then
        read -r seconds peak < <(grep -E '^[0-9.]+ [0-9]+$' "$root/time.txt" | tail -n 1)
    fi
    if grep -qE 'Sanitizer|runtime error:' "$root/stderr.txt"; then outcome=sanitizer
    elif [ $status -eq 137 ]; then outcome=hang; seconds=$limit
    elif [ $status -eq 3 ]; then outcome=time-out
    elif [ $status -gt 128 ]; then outcome="signal-$(( status - 128 ))"
    elif [ $status -ne 0 ]; then outcome="exit-$status"
    fi
    echo "$variant $file $outcome ${seconds:-0} ${peak:-0}" >"$result"
    if [ "$outcome" != ok ] && [ -n "$keep" ]; then
        local name; name=$(echo "$file.$variant" | tr / _)
        cp "$root/stderr.txt" "$keep/$name.stderr"
        cp "$root/trace.txt" "$keep/$name.trace" 2>/dev/null
    fi
    rm -rf "$root"
}

# ---- the sweep -------------------------------------------------------------------------------

play - intact "$work/intact.txt" 600
read -r _ _ intact_outcome intact_s intact_kb <"$work/intact.txt"
if [ "$intact_outcome" != ok ]; then
    echo "damage-sweep: the intact journey itself failed ($intact_outcome)" >&2
    exit 1
fi
limit=$(awk -v s="$intact_s" 'BEGIN { l = int(s * 10) + 30; print (l < 60 ? 60 : l) }')

list=$work/variants.txt
if [ $sample -eq 1 ]; then
    cat >"$list" <<'SAMPLE'
ave/lbt1.mri huge-buffer
mmo/eye.mrm trunc-half
ave/top.mrm huge-frame-buffer
signin/caio.mrs huge-data-length
splash/splashbt.mri flip2
SAMPLE
else
    (cd "$content" && find . -type f -name '*.mr[ims]' | sed 's|^\./||' | sort) | while read -r file; do
        for variant in $(variants_of "$file"); do echo "$file $variant"; done
    done >"$list"
fi

n=0
while read -r file variant; do
    n=$((n + 1))
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
    play "$file" "$variant" "$work/result.$n" "$limit" &
done <"$list"
wait

cat "$work"/result.* >"$work/results.txt"
awk -v intact_s="$intact_s" -v intact_kb="$intact_kb" -v runner="$runner" '
{
    variant = $1; file = $2; outcome = $3; s = $4 + 0; kb = $5 + 0
    kind = variant; if (kind ~ /^flip/) kind = "flip (3 seeds)"
    failed = (outcome != "ok" || kb > 2 * intact_kb)
    if (outcome == "ok" && failed) outcome = "memory"
    tried[kind]++; total++
    if (failed) { bad[kind]++; nbad++; failures = failures sprintf("  %-24s %-18s %-10s %6.2f s %8d KB\n", file, variant, outcome, s, kb) }
    if (s > slow[kind]) slow[kind] = s
    if (kb > peak[kind]) peak[kind] = kb
    if (s > slowest) { slowest = s; slowest_at = file " " variant }
    if (kb > largest) { largest = kb; largest_at = file " " variant }
    if (!(kind in seen)) { seen[kind] = 1; order[++kinds] = kind }
}
END {
    printf "damaged-content sweep with %s\n", runner
    printf "intact journey: %.2f s, peak %d KB\n\n", intact_s, intact_kb
    printf "%-18s %6s %7s %11s %9s\n", "variant", "tried", "failed", "slowest s", "peak KB"
    for (i = 1; i <= kinds; i++) {
        k = order[i]
        printf "%-18s %6d %7d %11.2f %9d\n", k, tried[k], bad[k] + 0, slow[k], peak[k]
    }
    printf "%-18s %6d %7d %11.2f %9d\n\n", "all", total, nbad + 0, slowest, largest
    if (nbad > 0) printf "failures:\n%s\n", failures
    printf "slowest variant: %s, %.2f s (intact %.2f s)\n", slowest_at, slowest, intact_s
    printf "largest variant: %s, %d KB, %.2f x the intact journey\n", largest_at, largest, largest / intact_kb
    printf "FIGURE sweep_variants %d\nFIGURE sweep_failures %d\nFIGURE sweep_slowest_s %.2f\nFIGURE sweep_peak_ratio %.2f\n",
           total, nbad + 0, slowest, largest / intact_kb
    exit (nbad > 0 ? 1 : 0)
}' "$work/results.txt"
