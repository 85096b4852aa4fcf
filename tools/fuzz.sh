#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (ASan and UBSan) into build-fuzz/ and either
# replays every target's seed corpus once (the default, what `make fuzz` does) or runs campaigns.
#
#   tools/fuzz.sh                          build, then replay each corpus once
#   tools/fuzz.sh --seconds N [target...]  fuzz each target (default: all) for N seconds
#   tools/fuzz.sh --runs N [target...]     fuzz each target for N executions
#   --workers J                            J processes per campaign (libFuzzer -fork=J)
#   --no-build                             use the targets already built (parallel campaigns)
#
# Corpora grow in build-fuzz/corpus/<target>/ (seeded from fuzz/seeds/), findings go to
# build-fuzz/findings/<target>/, and each campaign's log and final statistics (executions,
# exec/s, covered edges) to build-fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
dir=${FUZZ_DIR:-build-fuzz}
seconds=""
runs=""
workers=1
build=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --workers) workers=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

if [ $build = 1 ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVONTRASK_FUZZ=ON \
    -DVONTRASK_TESTS=OFF -DVONTRASK_BENCH=OFF -DVONTRASK_GUI=OFF > "$dir.configure.log" ||
    { cat "$dir.configure.log"; exit 1; }
  cmake --build "$dir" -j "${JOBS:-$(nproc)}"
fi

if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$dir"/fuzz/*_fuzzer; do targets+=("$(basename "${exe%_fuzzer}")"); done
fi

# Seeds: the small files of fuzz/seeds/<target>/ and the tests' files that <target>.list names.
# The window target's first byte picks its sample input, so each preference file goes in with
# every choice in front of it.
seed() {
  local target=$1 corpus=$dir/corpus/$1
  mkdir -p "$corpus" "$dir/findings/$target" "$dir/logs"
  [ -d "fuzz/seeds/$target" ] && cp -n fuzz/seeds/"$target"/* "$corpus"/
  [ -f "fuzz/seeds/$target.list" ] || return 0
  while read -r file; do
    [ -n "$file" ] || continue
    local name=${file//\//_}
    if [ "$target" = window_load_run ]; then
      for choice in 0 1 2 3 4; do
        [ -f "$corpus/$name.$choice" ] || { printf "\\x0$choice"; cat "$file"; } > "$corpus/$name.$choice"
      done
    else
      cp -n "$file" "$corpus/$name"
    fi
  done < "fuzz/seeds/$target.list"
}

# Preference files are 53,559 bytes, and a longer file is read in the current layout.
max_len() {
  case "$1" in
    pref_file | window_load_run) echo 54000 ;;
    *) echo 4096 ;;
  esac
}

# The parallel conversion target runs its workers' code beside the run's own under coverage
# counters all threads share, which makes a heavy input several times slower than elsewhere.
timeout_of() {
  case "$1" in
    conversion_parallel) echo 150 ;;
    *) echo 30 ;;
  esac
}

status=0
for target in "${targets[@]}"; do
  exe=$dir/fuzz/${target}_fuzzer
  [ -x "$exe" ] || { echo "no fuzz target $target" >&2; exit 2; }
  seed "$target"
  corpus=$dir/corpus/$target
  common=(-max_len="$(max_len "$target")" -timeout="$(timeout_of "$target")" -rss_limit_mb=4096
          -print_final_stats=1
          -artifact_prefix="$root/$dir/findings/$target/")
  if [ -z "$seconds" ] && [ -z "$runs" ]; then
    if "$exe" "${common[@]}" -runs=0 "$corpus" > "$dir/logs/$target.replay.log" 2>&1; then
      echo "$target: $(ls "$corpus" | wc -l) inputs replayed"
    else
      echo "$target: FAILED, see $dir/logs/$target.replay.log"; status=1
    fi
    continue
  fi
  limit=()
  [ -n "$seconds" ] && limit+=(-max_total_time="$seconds")
  [ -n "$runs" ] && limit+=(-runs="$runs")
  [ "$workers" -gt 1 ] && limit+=(-fork="$workers" -ignore_crashes=0)
  echo "== $target"
  if ! "$exe" "${common[@]}" "${limit[@]}" "$corpus" > "$dir/logs/$target.log" 2>&1; then
    echo "$target: a finding, see $dir/findings/$target/ and $dir/logs/$target.log"; status=1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|DONE|cov:' \
    "$dir/logs/$target.log" | tail -3
done
exit $status
