#!/usr/bin/env bash
# Builds everything and runs every test under Wine, in a throwaway prefix and home inside
# the build tree, on a virtual display of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GLYPHBOX_BUILD:-$root/build}

"$root/tools/setup-host.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# shellcheck source=wine-env.sh
. "$root/tools/wine-env.sh"
env_dir="$build/test-env"
env_150="$build/test-env-150"  # a second run of the window tests at 150 % (144 dpi)
rm -rf "$env_dir" "$env_150"

cleanup() {
  WINEPREFIX="$env_150/prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$env_dir/prefix" wineserver -k 2>/dev/null || true
  stop_xvfb
}
trap cleanup EXIT

start_xvfb
echo "Preparing the Wine prefixes (logs: $env_dir/wineboot.log, $env_150/wineboot.log)"
wine_env "$env_150"
prepare_prefix "$env_150/wineboot.log" desktop 144
wine_env "$env_dir"
prepare_prefix "$env_dir/wineboot.log" desktop

cd "$build"
ctest --output-on-failure
