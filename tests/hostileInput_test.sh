#!/usr/bin/env bash
# Hostile but fair input to gyrelune-cli: huge or endless documents and signals.
# Large inputs are made here, never stored. Prints the peak memory and time of
# each heavy case and fails beyond generous bounds.
set -u
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# measure NAME MAX-MB MAX-SECONDS command...: sets status and stderr_text.
measure() {
    local name=$1 max_mb=$2 max_seconds=$3
    shift 3
    # Capped, so that a faulty build fails here rather than starving the machine.
    (ulimit -v 4000000 && exec /usr/bin/time -f '%M %e' -o time.txt "$@" 2>stderr.txt >/dev/null)
    status=$?
    stderr_text=$(cat stderr.txt)
    local kb seconds
    read -r kb seconds <<<"$(tail -n 1 time.txt)"
    echo "$name: exit $status, peak $((kb / 1024)) MB, $seconds s"
    [ "$((kb / 1024))" -le "$max_mb" ] || fail "$name: peak $((kb / 1024)) MB over $max_mb MB"
    awk -v s="$seconds" -v m="$max_seconds" 'BEGIN { exit !(s <= m) }' ||
        fail "$name: $seconds s over $max_seconds s"
}

header() { printf 'sin(x*y*a/pi)+y*0.453+0.45\n1.795*cos(x)-b*sin(x*1.65/pi)\n'
    printf '1.93*cos(y*x)+0.49*sin(x)\n111.78418\n0.290\n-0.362\n0\n0\n0\n0\n0\n0\n0\n'; }

# One name stored 80 000 times (4 MB): one entry, the last one's value.
entry=$'alpha\n-2.0000000000000\n2.00000000000000\n0.5000000000000'
{ header; echo 80000; yes "$entry" | head -n 320000; } >duplicates.atr
measure "4 MB of one parameter" 120 20 "$cli" render duplicates.atr --steps 1000 -o d.png
[ "$status" -eq 0 ] || fail "duplicates: exit $status [$stderr_text]"

measure "/dev/zero" 120 20 "$cli" render /dev/zero --steps 10 -o z.png
[ "$status" -eq 1 ] || fail "/dev/zero: exit $status"
[[ "$stderr_text" == *"File too large"* ]] || fail "/dev/zero: [$stderr_text]"
head -c 2000000 /dev/zero | tr '\0' '\n' >lines.atr
"$cli" render lines.atr --steps 10 -o l.png 2>stderr.txt
[ $? -eq 1 ] && grep -q "Too many lines" stderr.txt || fail "2 M lines: [$(cat stderr.txt)]"

# A 10 MB formula line is refused with a message, not compiled for minutes.
{ yes 'x+' | head -c 10000000 | tr -d '\n'; echo x; header | tail -n +2; } >long.atr
measure "10 MB formula" 200 20 "$cli" render long.atr --steps 100 -o f.png
[ "$status" -eq 1 ] && [[ "$stderr_text" == *"Formula too long"* ]] ||
    fail "10 MB formula: exit $status [${stderr_text:0:200}]"

# Odd documents are drawn as they read, with a warning; NaN and infinity are no values.
: >empty.atr
head -c 1000000 /dev/urandom >binary.atr
header | tr '\n' '\r' >cr.atr
{ header | sed 's/^0\.290$/nan/'; echo 1; echo red; } >odd.atr
for doc in empty binary cr odd; do
    "$cli" render $doc.atr --steps 10 -o $doc.png 2>stderr.txt
    [ $? -eq 0 ] && [ -s $doc.png ] && grep -q "warning: '$doc.atr'" stderr.txt ||
        fail "$doc.atr: no picture or no warning [$(cat stderr.txt)]"
done
"$cli" eval x x=nan >/dev/null 2>&1
[ $? -eq 2 ] || fail "eval x=nan: not exit 2"
for out in g.png g.mp4; do # render, film
    command=render && [ $out = g.mp4 ] && command=film
    "$cli" $command odd.atr --gain inf -o $out 2>stderr.txt
    [ $? -eq 2 ] && [ ! -e $out ] && grep -q "finite" stderr.txt ||
        fail "$command --gain inf: not refused [$(cat stderr.txt)]"
done

# Outputs never replace a device, FIFO or socket, nor what a link leads to.
mkfifo fifo.png
if [ "$(id -u)" -eq 0 ]; then mknod device c 1 3; else mkfifo device; fi
ln -s "$PWD/device" link.png
for target in fifo.png link.png; do
    "$cli" render --steps 10 -o $target 2>stderr.txt
    [ $? -eq 1 ] && grep -q "not a regular file" stderr.txt || fail "$target: [$(cat stderr.txt)]"
done
[ -p fifo.png ] && { [ -c device ] || [ -p device ]; } || fail "a node was replaced"

# A render killed while it writes leaves no file beside its target: killed
# the moment one shows, or never killed where none ever shows.
"$cli" render --steps 0 --size 2048x2048 -o big.bmp 2>/dev/null &
render=$!
while kill -0 $render 2>/dev/null; do
    if ls -A | grep -q '^\.gyrelune-'; then kill -TERM $render; break; fi
    sleep 0.005
done
wait $render 2>/dev/null
[ -z "$(ls -A | grep '^\.gyrelune-')" ] || fail "a killed render left $(ls -A | grep '^\.gyrelune-')"

# SIGTERM keeps what the search found, like Ctrl-C; no hidden folder stays.
header >search.atr
(umask 022 && exec "$cli" search search.atr --count 200 --time 60 --jobs 2 -o found) \
    >/dev/null 2>stderr.txt &
search=$!
sleep 6
kill -TERM $search
wait $search
status=$?
if [ "$status" -eq 0 ]; then
    [ -f found/summary.csv ] || fail "search after SIGTERM: no summary"
    [ "$(stat -c %a found)" = 755 ] || fail "search folder mode $(stat -c %a found)"
else # nothing found yet: the documented failure
    [ "$status" -eq 1 ] && grep -q "no strange attractor" stderr.txt ||
        fail "search after SIGTERM: exit $status [$(cat stderr.txt)]"
fi
[ -z "$(ls -A | grep '^\.found-')" ] || fail "search left a hidden folder"
"$cli" search search.atr --param a=nan:inf -o never >/dev/null 2>&1
[ $? -eq 2 ] || fail "search --param a=nan:inf: not exit 2"
"$cli" search missing.atr -o never >/dev/null 2>&1
[ $? -eq 1 ] || fail "search of a missing document: not exit 1"

[ "$failures" -eq 0 ] && echo "all hostile input cases passed"
exit $((failures > 0))
