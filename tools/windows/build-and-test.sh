#!/usr/bin/env bash
# The Windows part of CI, from Linux with Debian's mingw-w64 and wine64:
#   1. builds ZR2_DLL.dll for 32-bit Windows (what the host loads) and checks its export table;
#   2. builds ZR2_DLL.dll for 64-bit Windows with its dice hook, the vector host and the stand-in
#      Vellum.dll, and runs the behaviour vectors under wine64 in a Japanese locale (code page 932).
# Missing packages are installed. When an install step itself fails the Windows part is skipped
# with a loud notice (exit 0); any other failure fails the script.
#   tools/windows/build-and-test.sh      (build folders: build-win32/ and build-win64/ in the tree)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build32=${ZR2_BUILD_WIN32:-$root/build-win32}
build64=${ZR2_BUILD_WIN64:-$root/build-win64}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
locale_name=ja_JP.UTF-8

skip() {
  echo
  echo "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  echo "!!! WINDOWS BUILD AND TESTS SKIPPED: $*"
  echo "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  exit 0
}

echo "== windows: tools"
packages=(cmake g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 locales)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]}"
  if ! { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
         "${missing[@]}"; }; then
    skip "could not install ${missing[*]}"
  fi
fi
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "generating the locale $locale_name"
  localedef -i ja_JP -f UTF-8 "$locale_name" || skip "could not generate the locale $locale_name"
fi
[ -x "$wine" ] || skip "$wine is missing after installing wine64"

configure() {
  local folder=$1 toolchain=$2
  shift 2
  mkdir -p "$folder"
  cmake -S "$root" -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" -DCMAKE_BUILD_TYPE=Release "$@" \
    >"$folder/configure.log" 2>&1 || {
    cat "$folder/configure.log"
    return 1
  }
}

echo "== windows: 32-bit ZR2_DLL.dll"
configure "$build32" mingw-i686.cmake -DZR2_TESTS=OFF
cmake --build "$build32" --target ZR2_DLL -j2
"$root/tools/windows/check-exports.sh" "$build32/ZR2_DLL.dll" "$root/src"

echo "== windows: 64-bit test build"
configure "$build64" mingw-x86_64.cmake -DZR2_WINDOWS_TEST_SEAM=ON
cmake --build "$build64" --target ZR2_DLL zr2_host_fixture zr2_vector_host zr2_platform_check -j2

echo "== windows: platform checks and behaviour vectors under wine64"
export WINEPREFIX=$build64/wine-prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=$locale_name LC_ALL=$locale_name
unset DISPLAY WAYLAND_DISPLAY
windows_path() { echo "Z:${1//\//\\}"; }
stop_wine() { "$wineserver" -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT
# The first start makes the prefix; its messages are noise unless it fails.
timeout 300 "$wine" wineboot --init >"$build64/wineboot.log" 2>&1 || { cat "$build64/wineboot.log"; exit 1; }
timeout 300 "$wine" "$build64/zr2_platform_check.exe" "$(windows_path "$build64/Vellum.dll")"
timeout 900 "$wine" "$build64/zr2_vector_host.exe" "$(windows_path "$build64/ZR2_DLL.dll")" \
  "$(windows_path "$root/tests/vectors")" "$(windows_path "$build64/Vellum.dll")" --code-page 932
