#!/usr/bin/env bash
# Checks every #include of the project against the layer order (README, "Layout"):
#   trace < platform < file < assets < graphics < scene < sound < core < game < tools
# A folder may include its own headers and those of the layers before it, never one after it.
# platform/mixer and the backends (platform/<backend>/) sit beside that order: a backend may
# include trace/, platform/ and platform/mixer/ only, and nothing portable (the layers above,
# and tools/) may include a backend or the mixer. The engine (trace/ and file/ to game/) and
# the mixer include no OS, SDL, DirectX or browser header. apps/, tests/, bench/ and fuzz/ may
# include anything.
# Usage: check-layers.sh [ROOT]   (exit 1 and one line per violation when any is found)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

find trace platform file assets graphics scene sound core game tools \
     -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort | xargs awk '
function layer(path,    parts) {
    if (path ~ /^platform\/mixer\//) return "mixer"
    if (path ~ /^platform\/[^\/]+\//) { split(path, parts, "/"); return "backend:" parts[2] }
    split(path, parts, "/")
    return parts[1]
}
BEGIN {
    n = split("trace platform file assets graphics scene sound core game tools", order, " ")
    for (i = 1; i <= n; ++i) rank[order[i]] = i
    top["apps"]; top["tests"]; top["bench"]; top["fuzz"]
    engine["trace"]; engine["file"]; engine["assets"]; engine["graphics"]; engine["scene"]
    engine["sound"]; engine["core"]; engine["game"]; engine["mixer"]
    system_headers = "^(SDL|SDL2/|windows\\.h|ddraw\\.h|dsound\\.h|mmsystem\\.h|unistd\\.h|fcntl\\.h|pthread\\.h|sys/|emscripten)"
    bad = 0
}
FNR == 1 { from = layer(FILENAME) }
/^[ \t]*#[ \t]*include[ \t]*</ {
    header = $0
    sub(/^[^<]*</, "", header); sub(/>.*$/, "", header)
    if ((from in engine) && header ~ system_headers) {
        printf "%s:%d: includes <%s>: the %s layer is portable and includes no system header\n", FILENAME, FNR, header, from
        bad = 1
    }
    next
}
/^[ \t]*#[ \t]*include[ \t]*"[^"\/]*\// {
    target = $0
    sub(/^[^"]*"/, "", target); sub(/".*$/, "", target)
    to = layer(target)
    if (to == from) next
    # A path that does not start at the project root is relative to the including folder.
    if (!(to in rank) && to != "mixer" && to !~ /^backend:/ && !(to in top)) next
    ok = 0
    if (from ~ /^backend:/) ok = (to == "trace" || to == "platform" || to == "mixer")
    else if (from == "mixer") ok = (to == "trace" || to == "platform")
    else if (to in rank) ok = (rank[to] < rank[from])
    if (!ok) {
        why = (to ~ /^backend:/) ? "a backend header in portable code" : \
              (to == "mixer") ? "the mixer is for backends only" : "an include up the layer order"
        printf "%s:%d: includes \"%s\": %s (%s -> %s)\n", FILENAME, FNR, target, why, from, to
        bad = 1
    }
}
END {
    if (bad) {
        print "layer check failed: the order is trace < platform < file < assets < graphics < scene < sound < core < game < tools; backends use trace, platform and platform/mixer only"
        exit 1
    }
    print "layer check: every include follows the layer order"
}' || exit 1
