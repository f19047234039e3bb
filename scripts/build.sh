#!/usr/bin/env bash
# Configures and builds one flavour of the editor: "release" (the program) or "test"
# (everything with AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
flavour=${1:-release}
root=$(cd "$(dirname "$0")/.." && pwd)
case "$flavour" in
  release) dir=$root/build/release; flags=(-DCMAKE_BUILD_TYPE=Release -DORVEX_TESTS=OFF) ;;
  test) dir=$root/build/test; flags=(-DCMAKE_BUILD_TYPE=Debug -DORVEX_SANITIZE=ON) ;;
  *) echo "usage: $0 [release|test]" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$dir" -G Ninja -DORVEX_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
