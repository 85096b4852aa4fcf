#!/bin/sh
# Runs vontrask as a user would and checks its exit status and messages: cli_test.sh CASE EXE DIR.
set -u
case_name=$1 exe=$2 dir=$3
mkdir -p "$dir"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM VONTRASK_HOME="$dir" "$exe" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

case $case_name in
  usage_without_display)
    out=$(run 2>&1); status=$?
    [ $status -eq 2 ] || fail "status $status, expected 2"
    echo "$out" | grep -q '^usage: vontrask INPUT PREFERENCES OUTPUT$' || fail "no usage line: $out"
    ;;
  stopped_unattended_run)
    rm -f "$dir/out.csv"
    out=$(run "$dir/missing.txt" "$dir/p.vnq" "$dir/out.csv" 2>&1); status=$?
    [ $status -ne 0 ] || fail "status 0 for a run that wrote nothing"
    echo "$out" | grep -q "^$dir/missing.txt: Cannot open that file.$" || fail "no message: $out"
    [ ! -e "$dir/out.csv" ] || fail "an output file was left"
    ;;
  *) fail "unknown case $case_name" ;;
esac
echo "ok $case_name"
