#!/usr/bin/env bash
# Installs what the build and the tests need and this machine lacks. Debian's packages only.
set -euo pipefail

missing=()
need() {  # need COMMAND PACKAGE
  command -v "$1" >/dev/null 2>&1 || missing+=("$2")
}
need cmake cmake
need g++ g++
need i686-w64-mingw32-g++ g++-mingw-w64-i686
need clang++ clang
need clang-tidy clang-tidy
need cppcheck cppcheck
[ -f /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a ] || missing+=(libclang-rt-14-dev)
need nm binutils
need x86_64-w64-mingw32-g++ g++-mingw-w64-x86-64
[ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
[ -d /usr/share/wine/fonts ] || missing+=(fonts-wine)
need xvfb-run xvfb
need xauth xauth
need import imagemagick
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || missing+=(libbenchmark-dev)
for extra in "$@"; do missing+=("$extra"); done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "setup: installing ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
else
  echo "setup: cannot install as this user; run: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
