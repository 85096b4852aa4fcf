#!/usr/bin/env bash
# Source coverage of the grown fuzz corpora: builds the engine targets with clang's coverage
# instrumentation (and ASan and UBSan, as the campaigns run) into build-fuzz-cov/, replays each
# target's corpus in build-fuzz/corpus/<target>/ once, and writes llvm-cov's per-file report to
# build-fuzz-cov/reports/<target>.txt. Prints one line per target: its line coverage over every
# source file it links, and how its replay ended.
#
#   tools/fuzz_coverage.sh [target...]   (default: every engine target that has a corpus)
#
# The window target needs the window build, so it is left out.
set -euo pipefail
cd "$(dirname "$0")/.."
corpora=$(readlink -f "${FUZZ_DIR:-build-fuzz}")/corpus
dir=$PWD/build-fuzz-cov
tools=$(dirname "$(readlink -f "$(command -v clang)")")

CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVONTRASK_FUZZ=ON \
  -DVONTRASK_TESTS=OFF -DVONTRASK_BENCH=OFF -DVONTRASK_GUI=OFF \
  "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
  "-DCMAKE_CXX_FLAGS=-fprofile-instr-generate -fcoverage-mapping" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate" > "$dir.configure.log" ||
  { cat "$dir.configure.log"; exit 1; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in "$corpora"/*/; do
    target=$(basename "$corpus")
    [ "$target" = window_load_run ] || targets+=("$target")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no corpora in $corpora: run tools/fuzz.sh first" >&2; exit 2; }
cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target "${targets[@]/%/_fuzzer}"

mkdir -p "$dir/reports" "$dir/profiles"
for target in "${targets[@]}"; do
  exe=$dir/fuzz/${target}_fuzzer
  raw=$dir/profiles/$target.profraw
  rm -f "$raw"
  # The replay runs in a folder of its own: a target may leave scratch files where it runs.
  mkdir -p "$dir/run/$target"
  status=0
  (cd "$dir/run/$target" && LLVM_PROFILE_FILE=$raw "$exe" -runs=0 -timeout=30 \
    -rss_limit_mb=4096 "$corpora/$target") > "$dir/reports/$target.replay.log" 2>&1 || status=$?
  "$tools/llvm-profdata" merge -sparse "$raw" -o "$dir/profiles/$target.profdata"
  "$tools/llvm-cov" report "$exe" -instr-profile="$dir/profiles/$target.profdata" \
    -ignore-filename-regex='(^/usr/|/fuzz/)' > "$dir/reports/$target.txt"
  lines=$(awk '$1 == "TOTAL" {print $10}' "$dir/reports/$target.txt")
  echo "$target: $lines of lines, replay exit $status (reports in $dir/reports/)"
done
