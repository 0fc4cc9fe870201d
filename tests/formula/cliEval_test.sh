#!/usr/bin/env bash
# gyrelune-cli eval: exact output line and exit status.
set -u
cli=$1
failures=0

expect_output() { # expected-line args...
    local expected=$1
    shift
    local out status
    out=$("$cli" eval "$@" 2>/dev/null)
    status=$?
    if [ "$status" -ne 0 ] || [ "$out" != "$expected" ]; then
        echo "FAIL: eval $* -> [$out] exit $status, expected [$expected] exit 0"
        failures=$((failures + 1))
    fi
}

expect_usage_error() { # args...
    local out err status
    err=$("$cli" eval "$@" 2>&1 >/dev/null)
    status=$?
    out=$("$cli" eval "$@" 2>/dev/null)
    if [ "$status" -ne 2 ] || [ -z "$err" ] || [ -n "$out" ]; then
        echo "FAIL: eval $* -> exit $status, stdout [$out], stderr [$err]; expected exit 2 and a message"
        failures=$((failures + 1))
    fi
}

expect_output "value=6 code=0 error=0" "x*2" x=3
expect_output "value=0.4499999999998181 code=0 error=0" "sin(x*y*4.36/pi)+y*0.453+0.45"
expect_output "value=-6 code=0 error=0" -- "-x*y" x=2 y=3
expect_output "value=0 code=2 error=0" "1/x"
expect_output "value=7 code=2 error=0" "sqrt(0-1)+1/0+7"
expect_output "value=0 code=3 error=0" "sqrt(x)" x=-1
expect_output "value=0 code=1 error=1" "x y"
expect_output "value=0 code=0 error=1" "(x"
expect_output "value=0 code=0 error=0" ""
expect_output "value=1 code=0 error=0" "x" x=0.5+0.5
expect_output "value=3 code=0 error=0" "x+y" y=2 x=1 unknown=5

expect_usage_error
expect_usage_error "-x*y" x=2
expect_usage_error "x" x
expect_usage_error "x" =3
expect_usage_error "x" x=
expect_usage_error "x" "x=1+"
expect_usage_error "x" "x=(1"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit $((failures > 0))
