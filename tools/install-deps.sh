#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; only those that are missing.
# `install-deps.sh fuzz` adds clang and its libFuzzer and sanitizer runtimes for the fuzz targets.
set -euo pipefail

packages=(g++ make cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
