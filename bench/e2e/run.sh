#!/bin/sh
# End-to-end timing: one seeded CSV, converted to fixed columns, CSV and dBase by Vontrask's
# own run, beside a hand-written C++ loop (the floor), ffe (fixed) and Miller (CSV) on the same
# file; the fixed outputs are compared byte for byte with the independent reference.
#
# Then, when bench/parser_run_bench is built, the parser timing of run_parsers.sh on as many
# records (names, street lines, cities and phones into 22 parser fields, checked against the
# recorded SHA-256 of its output).
#
# usage: bench/e2e/run.sh [RECORDS]   (default 1000000)
# env:   BUILD_DIR  build folder holding bench/conversion_bench (default: build)
#        RUNS       runs of each command, the best one counts (default: 5)
#        WORK_DIR   where the files go (default: a new folder under /tmp, removed at the end)
#        KEEP=1     keep WORK_DIR
#        PARSERS=0  skip the parser timing
# For steady numbers pin the run to one quiet core: taskset -c N bench/e2e/run.sh
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
records=${1:-1000000}
build=${BUILD_DIR:-$repo/build}
bench=$build/bench/conversion_bench
exe=$build/src/vontrask
work=${WORK_DIR:-$(mktemp -d /tmp/vontrask-e2e.XXXXXX)}
mkdir -p "$work"
[ "${KEEP:-0}" = 1 ] || [ -n "${WORK_DIR:-}" ] || trap 'rm -rf "$work"' EXIT

[ -x "$bench" ] || { echo "no $bench: build the conversion_bench target first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

input=$work/input.csv
echo "input: $records records, seed fixed"
python3 "$here/make_input.py" "$input" "$records"
python3 "$here/reference_fixed.py" "$input" "$work/reference.txt"
ls -l "$input" | awk '{print "input bytes:", $5}'

# timed NAME OUTPUT COMMAND...: the best wall seconds of RUNS runs (default 5) and the peak
# resident KiB of one command. OUTPUT is removed before each run, so that every run writes a new
# file (replacing a file of the same name makes the file system write the old one out first).
runs=${RUNS:-5}
results=$work/results.txt
: > "$results"
timed() {
  name=$1
  output=$2
  shift 2
  best=""
  peak=0
  for run in $(seq "$runs"); do
    rm -f "$output"
    # Wall time to the millisecond from the clock (time(1) gives hundredths).
    start=$(date +%s%N)
    if ! /usr/bin/time -f "%M" -o "$work/time.txt" "$@" > "$work/$name.stdout" 2> "$work/$name.stderr"; then
      echo "$name failed:" >&2
      tail -5 "$work/$name.stderr" >&2
      return 0
    fi
    seconds=$(echo "($(date +%s%N) - $start) / 1000000000" | bc -l)
    read -r kib < "$work/time.txt"
    if [ -z "$best" ] || [ "$(echo "$seconds < $best" | bc -l)" = 1 ]; then best=$seconds; fi
    [ "$kib" -gt "$peak" ] && peak=$kib
  done
  echo "$name $best $peak" >> "$results"
  printf '%-18s %8.3f s %10.0f rec/s %8d KiB peak\n' "$name" "$best" \
    "$(echo "$records / ($best + 0.0001)" | bc -l)" "$peak"
}

timed vontrask_fixed "$work/vontrask.txt" "$bench" "$input" "$work/vontrask.txt" fixed
# The same set-up saved as a preference file and replayed by the real command line.
"$bench" "$input" "$work/fixed.vnq" fixed prefs > /dev/null 2>&1
timed vontrask_cli_fixed "$work/vontrask-cli.txt" env -u DISPLAY -u WAYLAND_DISPLAY VONTRASK_HOME="$work" \
  "$exe" "$input" "$work/fixed.vnq" "$work/vontrask-cli.txt"
if [ -x "$build/bench/reference_fixed" ]; then
  timed reference_fixed "$work/reference-cpp.txt" "$build/bench/reference_fixed" "$input" "$work/reference-cpp.txt"
fi
timed vontrask_csv "$work/vontrask.csv" "$bench" "$input" "$work/vontrask.csv" comma
timed vontrask_dbase "$work/vontrask.dbf" "$bench" "$input" "$work/vontrask.dbf" dbase

if command -v ffe > /dev/null; then
  timed ffe_fixed "$work/ffe.txt" ffe -c "$here/ffe_fixed.fmt" -s csv -p fixed -o "$work/ffe.txt" "$input"
else
  echo "ffe not installed: skipped"
fi
if command -v mlr > /dev/null; then
  timed mlr_csv "$work/mlr_csv.stdout" mlr --csv --implicit-csv-header --headerless-csv-output --ors crlf \
    --quote-all cat "$input"
else
  echo "mlr not installed: skipped"
fi

status=0
if [ -f "$work/vontrask.txt" ]; then
  if cmp "$work/vontrask.txt" "$work/reference.txt"; then
    echo "fixed output: byte for byte the reference"
  else
    echo "fixed output DIFFERS from the reference" >&2
    status=1
  fi
else
  echo "no fixed output" >&2
  status=1
fi

if [ -f "$work/vontrask-cli.txt" ] && cmp -s "$work/vontrask-cli.txt" "$work/reference.txt"; then
  echo "command-line fixed output: byte for byte the reference"
else
  echo "command-line fixed output DIFFERS from the reference" >&2
  status=1
fi

if [ -f "$work/reference-cpp.txt" ] && ! cmp -s "$work/reference-cpp.txt" "$work/reference.txt"; then
  echo "the hand-written loop's output DIFFERS from the reference: its timing means nothing" >&2
  status=1
fi

seconds_of() { awk -v n="$1" '$1 == n {print $2}' "$results"; }
# time_ratio A B: how many times B's time A takes (below 1: A is faster).
time_ratio() {
  a=$(seconds_of "$1")
  b=$(seconds_of "$2")
  [ -n "$a" ] && [ -n "$b" ] && printf '%s takes %.2fx the time of %s\n' "$1" \
    "$(echo "$a / ($b + 0.0001)" | bc -l)" "$2"
  return 0
}
time_ratio vontrask_cli_fixed vontrask_fixed
# The floor: the hand-written loop.
time_ratio vontrask_fixed reference_fixed
time_ratio vontrask_cli_fixed reference_fixed
time_ratio vontrask_fixed ffe_fixed
time_ratio vontrask_csv mlr_csv

if [ "${PARSERS:-1}" != 0 ]; then
  if [ -x "$build/bench/parser_run_bench" ]; then
    echo "parsers:"
    BUILD_DIR=$build WORK_DIR=$work/parsers sh "$here/run_parsers.sh" "$records" || status=1
  else
    echo "no $build/bench/parser_run_bench: parser timing skipped"
  fi
fi
exit $status
