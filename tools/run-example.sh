#!/usr/bin/env bash
# Starts vontrask on the bundled example: the window with a display, the unattended run without.
set -uo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$build/src/vontrask"
input="$here/examples/contacts.csv"
prefs="$here/examples/contacts.vnq"
output="$build/contacts-converted.csv"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe" "$input"
fi

echo "No display: the unattended conversion, as a user would run it from a shell:"
echo "  $exe $input $prefs $output"
rm -f "$output"
"$exe" "$input" "$prefs" "$output"
status=$?
if [ $status -eq 0 ] && [ -f "$output" ]; then
  echo "Converted file: $output"
  cat "$output"
  exit 0
fi
echo "The unattended conversion failed (status $status); $output was not written." >&2
exit 1
