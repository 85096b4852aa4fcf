#!/bin/sh
# Parser timing: one seeded CSV of names, street lines, cities and phones, converted by the
# engine into 22 fields from the name, gender, street, city and phone parsers. Prints the rate
# and the SHA-256 of the output; with the default size and seed the output must match the
# recorded checksum (parsers.sha256), which proves a faster parser left every byte alone.
#
# usage: bench/e2e/run_parsers.sh [RECORDS]   (default 1000000)
# env:   BUILD_DIR  build folder holding bench/parser_run_bench (default: build)
#        WORK_DIR   where the files go (default: a new folder under /tmp, removed at the end)
#        KEEP=1     keep WORK_DIR
#        RUNS       timed runs over the same input, the best one reported (default 3)
# bench/e2e/run.sh runs it too, after its own timings. The run parses ahead on the cores it may
# use: RUNS=5 taskset -c 4-7 bench/e2e/run_parsers.sh for four cores, taskset -c N for one.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
records=${1:-1000000}
runs=${RUNS:-3}
build=${BUILD_DIR:-$repo/build}
bench=$build/bench/parser_run_bench
work=${WORK_DIR:-$(mktemp -d /tmp/vontrask-parsers.XXXXXX)}
mkdir -p "$work"
[ "${KEEP:-0}" = 1 ] || [ -n "${WORK_DIR:-}" ] || trap 'rm -rf "$work"' EXIT

[ -x "$bench" ] || { echo "no $bench: build the parser_run_bench target first" >&2; exit 2; }

input=$work/input.csv
echo "input: $records records, seed fixed"
python3 "$here/make_parser_input.py" "$input" "$records"
ls -l "$input" | awk '{print "input bytes:", $5}'

best=
i=0
while [ "$i" -lt "$runs" ]; do
  line=$("$bench" "$input" "$work/output.csv")
  echo "$line"
  rate=$(echo "$line" | sed -n 's/.*rate=\([0-9]*\).*/\1/p')
  if [ -z "$best" ] || [ "$rate" -gt "$best" ]; then best=$rate; fi
  i=$((i + 1))
done
echo "best: $best records/s"

sum=$(sha256sum "$work/output.csv" | cut -d' ' -f1)
echo "output sha256: $sum"
status=0
recorded=$(awk -v n="$records" '$1 == n {print $2}' "$here/parsers.sha256")
if [ -z "$recorded" ]; then
  echo "no recorded checksum for $records records"
elif [ "$sum" = "$recorded" ]; then
  echo "output: byte for byte the recorded one"
else
  echo "output DIFFERS from the recorded one ($recorded)" >&2
  status=1
fi
exit $status
