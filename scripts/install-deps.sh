#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and is missing.
set -euo pipefail
# clang with its compiler runtime (libFuzzer and the sanitizers) and llvm (llvm-symbolizer, for
# readable reports) build and run the fuzz targets.
needed=(cmake g++ make libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64 wine wine64 xvfb xauth imagemagick
        clang libclang-rt-14-dev llvm)
missing=()
for package in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
