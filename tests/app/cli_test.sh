#!/bin/bash
# Runs vontrask as a user would and checks its exit status and messages: cli_test.sh CASE EXE DIR.
set -u
case_name=$1 exe=$2 dir=$3 golden=${4:-}
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
  too_many_arguments)
    out=$(run a b c d 2>&1); status=$?
    [ $status -eq 2 ] || fail "status $status, expected 2"
    echo "$out" | grep -q '^usage: vontrask' || fail "no usage: $out"
    ;;
  unreadable_preferences)
    printf '"a","b"\n' > "$dir/in.csv"
    : > "$dir/empty.vnq"
    mkdir -p "$dir/folder.vnq"
    for prefs in "$dir/missing.vnq" "$dir/empty.vnq" "$dir/folder.vnq"; do
      rm -f "$dir/out.csv"
      out=$(run "$dir/in.csv" "$prefs" "$dir/out.csv" 2>&1); status=$?
      [ $status -ne 0 ] || fail "status 0 with $prefs"
      echo "$out" | grep -q "^$prefs: Cannot open that file.$" || fail "no message for $prefs: $out"
      [ ! -e "$dir/out.csv" ] || fail "an output file was written with $prefs"
    done
    ;;
  unattended_goldens)
    # Each golden folder's set-up, saved by the window, replayed by the real executable.
    for case_dir in "$golden"/*/; do
      name=$(basename "$case_dir")
      out="$dir/$name.out"
      rm -f "$out"
      inputs=("$case_dir"input.*)
      msgs=$(run "${inputs[0]}" "$case_dir/setup.vnq" "$out" 2>&1); status=$?
      [ $status -eq 0 ] || fail "$name: status $status: $msgs"
      if [ "$name" = dbase ]; then
        # The header's bytes 1 to 3 are today's date.
        cmp -s <(head -c 1 "$out"; tail -c +5 "$out") \
               <(head -c 1 "$case_dir/expected.out"; tail -c +5 "$case_dir/expected.out") ||
          fail "$name: the output differs from $case_dir/expected.out"
      else
        cmp -s "$out" "$case_dir/expected.out" || fail "$name: the output differs"
      fi
      grep -q "^File1=$case_dir/setup.vnq$" "$dir/vontrask.ini" || fail "$name: not in the history"
    done
    ;;
  last_empty_line)
    # The empty line after the last line end is a record; a last line end alone makes none.
    prefs=$golden/last_empty_line/setup.vnq
    rm -f "$dir/VontraskLog.txt"
    while read -r name bytes expected count; do
      printf "$bytes" > "$dir/$name.txt"
      rm -f "$dir/$name.out"
      msgs=$(run "$dir/$name.txt" "$prefs" "$dir/$name.out" 2>&1 < /dev/null); status=$?
      [ $status -eq 0 ] || fail "$name: status $status: $msgs"
      cmp -s "$dir/$name.out" <(printf "$expected") || fail "$name: output $(od -c "$dir/$name.out")"
      grep -qx " $count records from $dir/$name.txt" "$dir/VontraskLog.txt" ||
        fail "$name: no count $count in the log: $(cat "$dir/VontraskLog.txt")"
    done <<'ROWS'
empty_last_line yes\r\n\r\n yes\r\n\x20\x20\x20\r\n 2
last_line_end yes\r\n yes\r\n 1
no_line_end yes yes\r\n 1
ROWS
    ;;
  *) fail "unknown case $case_name" ;;
esac
echo "ok $case_name"
