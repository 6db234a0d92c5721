#!/usr/bin/env bash
# The runner as a user calls it: a script from a file and from standard input, its shot and
# journal, and the exit statuses 0, 2 (naming the bad line or option) and 3.
# usage: runner_cli.sh VELVINA_HEADLESS
set -uo pipefail
runner=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

cat >s.txt <<'SCRIPT'
# wait, move, click and look
wait 200
move 10 20
click 320 240
wait 100
shot shot.png
SCRIPT
"$runner" --root "$work" --script s.txt --journal j.txt; status=$?
[ "$status" -eq 0 ] || fail "script run exited $status"
[ "$(head -c 8 shot.png | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "shot.png is not a PNG"
[ "$(tail -n 1 j.txt)" = "300 quit 0" ] || fail "journal ends with '$(tail -n 1 j.txt)'"

printf 'wait 50\nclose\n' | "$runner" --root "$work" --script - --journal k.txt; status=$?
[ "$status" -eq 0 ] || fail "script from standard input exited $status"
[ "$(tail -n 1 k.txt)" = "50 quit 0" ] || fail "close did not end the game at 50 ms"

printf 'wait 10\nmove 1 2\nwiggle\n' >bad.txt
message=$("$runner" --root "$work" --script bad.txt 2>&1); status=$?
[ "$status" -eq 2 ] || fail "bad script line exited $status"
case "$message" in *"script line 3"*wiggle*) ;; *) fail "message does not name the line: $message" ;; esac

message=$("$runner" --speed 2 2>&1); status=$?
[ "$status" -eq 2 ] || fail "bad option exited $status"
case "$message" in *--speed*) ;; *) fail "message does not name the option: $message" ;; esac

"$runner" --root "$work" --max-ms 250 --journal m.txt; status=$?
[ "$status" -eq 3 ] || fail "--max-ms exited $status"
[ "$(tail -n 1 m.txt)" = "250 quit 0" ] || fail "the game did not stop at 250 ms"

echo "runner command line: all checks passed"
