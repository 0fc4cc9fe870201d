#!/usr/bin/env bash
# Both programs' command lines: --help and --version answer on standard output
# with status 0 (gyrelune's without a display), every gyrelune-cli command has
# its own --help, and a bad option gives status 2 and a message naming it.
set -u
gui=$1
cli=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect STATUS STDOUT-PATTERN STDERR-PATTERN command...
expect() {
    local status=$1 out_pattern=$2 err_pattern=$3
    shift 3
    local out err got
    out=$("$@" 2>/tmp/commandLine_test.$$)
    got=$?
    err=$(cat /tmp/commandLine_test.$$)
    rm -f /tmp/commandLine_test.$$
    [ "$got" -eq "$status" ] || fail "$* -> exit $got, expected $status"
    [[ "$out" =~ $out_pattern ]] || fail "$* -> stdout [$out]"
    [[ "$err" =~ $err_pattern ]] || fail "$* -> stderr [$err]"
}

headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
expect 0 '^Usage: gyrelune \[options\] \[FILE.atr\]' '^$' headless "$gui" --help
expect 0 '^Gyrelune 1\.0b$' '^$' headless "$gui" -v
expect 2 '^$' "Unknown option 'frobnicate'" env QT_QPA_PLATFORM=offscreen "$gui" --frobnicate
expect 2 '^$' 'More than one document' env QT_QPA_PLATFORM=offscreen "$gui" a.atr b.atr
# Qt's own options pass; -reverse is not -r -e -v -e ...
expect 2 '^$' "Unknown option 'frobnicate'" "$gui" -platform offscreen -reverse --frobnicate

expect 0 '^Usage: gyrelune-cli ' '^$' "$cli" --help
expect 0 '^gyrelune-cli 1\.0b$' '^$' "$cli" --version
expect 2 '^$' "Unknown option 'frobnicate'" "$cli" --frobnicate eval x
expect 2 '^$' "unknown command 'draw'" "$cli" draw
expect 2 '^$' '^Usage: gyrelune-cli ' "$cli"
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk '/^  [a-z]/ { print $1 }')
[ -n "$commands" ] || fail "no commands listed by --help"
for command in $commands; do
    expect 0 "^Usage: gyrelune-cli $command " '^$' "$cli" "$command" --help
    expect 2 '^$' "^gyrelune-cli $command: Unknown option 'frobnicate'" "$cli" "$command" --frobnicate
done

[ "$failures" -eq 0 ] && echo "all command line cases passed"
exit $((failures > 0))
