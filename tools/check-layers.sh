#!/usr/bin/env bash
# Checks that every include points down the layers (and that Qt stays in the view): a file of
# src/<layer> may include only its own layer and those below it. Prints each offence; exit 1.
set -u
src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}
declare -A allowed=(
  [toolkit]="toolkit"
  [strings]="strings"
  [dictionary]="dictionary strings"
  [parsing]="parsing dictionary strings"
  [input]="input strings"
  [output]="output input parsing dictionary strings"
  [prefs]="prefs output input parsing dictionary strings"
  [window]="window prefs output input parsing dictionary strings toolkit"
  [gui]="gui window prefs output input parsing dictionary strings toolkit"
  [app]="app gui window prefs output input parsing dictionary strings toolkit"
)
status=0
for layer in "${!allowed[@]}"; do
  [ -d "$src/$layer" ] || continue
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<< "$line")
    case " ${allowed[$layer]} " in
      *" $target "*) ;;
      *) echo "$file includes $target/, above or beside $layer"; status=1 ;;
    esac
  done < <(grep -rHE '^#include "[^/"]+/' "$src/$layer" --include='*.h' --include='*.cpp')
  if [ "$layer" != gui ] && grep -rlE '^#include <Q' "$src/$layer" > /dev/null; then
    grep -rlE '^#include <Q' "$src/$layer" | sed 's/$/ includes Qt outside src\/gui/'
    status=1
  fi
done
# The pure layers touch no files, clock, environment or window.
for layer in strings dictionary parsing; do
  if grep -rnE '<fstream>|<iostream>|<chrono>|getenv' "$src/$layer"; then status=1; fi
done
exit $status
