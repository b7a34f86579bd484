#!/usr/bin/env bash
# Compiles every source above platform/ against MinGW-w64's Windows SDK headers (syntax only),
# so the upper layers keep to the Win32 API as the real SDK declares it. Start-up and tool code
# that uses winport.h is left out. Exits 77 when MinGW-w64 is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  echo "check-windows-sdk: $compiler is not installed (scripts/setup.sh)"
  exit 77
fi

# The project's own headers that are not part of the SDK, apart from the SDK-named ones.
extra=$(mktemp -d)
trap 'rm -rf "$extra"' EXIT
cp platform/include/cp1250.h "$extra/"

includes=(-I"$extra")
while IFS= read -r dir; do includes+=(-I"$dir"); done < <(find framework controls app -type d)

mapfile -t sources < <(find framework controls app -name '*.cpp' | sort | xargs grep -L '#include <winport.h>')
export compiler
check_one() {
  local source=$1; shift
  if ! output=$("$compiler" -std=c++20 -fsyntax-only "$@" "$source" 2>&1); then
    printf 'FAIL %s\n%s\n' "$source" "$(grep -m5 'error' <<<"$output")"
    return 1
  fi
}
export -f check_one
failed=0
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} bash -c 'check_one "$@"' _ {} "${includes[@]}" || failed=1
echo "check-windows-sdk: ${#sources[@]} sources checked"
exit $failed
