#!/usr/bin/env bash
# Draws the drawing catalogue here and with its Windows build in Wine (a prefix of its own with
# this system's colours), compares the pictures case by case and writes, for each case that
# differs, a picture of ours, Wine's and their difference side by side into
# build/test-output/catalogue/. Cases matched by a pattern of scripts/windows-differences.txt may
# differ; any other difference makes the script fail. Usage: scripts/compare-windows.sh [--report]
# (--report: print the figures and the differing cases, but do not fail).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh >/dev/null
out=build/test-output/catalogue
prefix=build/catalogue-wine
rm -rf "$out" && mkdir -p "$out/ours" "$out/wine" "$out/differences"
export WINEPREFIX="$PWD/$prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' LANG=pl_PL.UTF-8

xvfb-run -a bash -c '
  set -e
  if [ ! -d "$WINEPREFIX/drive_c" ]; then wine wineboot -i >/dev/null 2>&1; fi
  names=(Scrollbar Background ActiveTitle InactiveTitle Menu Window WindowFrame MenuText WindowText TitleText
         ActiveBorder InactiveBorder AppWorkSpace Hilight HilightText ButtonFace ButtonShadow GrayText ButtonText
         InactiveTitleText ButtonHilight ButtonDkShadow ButtonLight InfoText InfoWindow ButtonAlternateFace
         HotTrackingColor GradientActiveTitle GradientInactiveTitle MenuHilight MenuBar)
  while read -r index red green blue; do
    wine reg add "HKCU\\Control Panel\\Colors" /v "${names[$index]}" /d "$red $green $blue" /f >/dev/null 2>&1
  done < <(build/bin/draw_catalogue --system-colors)
  # The faces this system draws for the classic TrueType names.
  for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
    wine reg add "HKCU\\Software\\Wine\\Fonts\\Replacements" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
  done
  wineserver -w
  build/bin/draw_catalogue --bmp "'"$out"'/ours" > "'"$out"'/ours.txt"
  FONTCONFIG_FILE="$PWD/scripts/unsmoothed-fonts.conf" wine build/windows/bin/draw_catalogue.exe --bmp "$(winepath -w "'"$out"'/wine")" | tr -d "\r" > "'"$out"'/wine.txt"
  wineserver -k
'

allowed=scripts/windows-differences.txt
total=$(wc -l < "$out/ours.txt")
identical=0
unexpected=()
while read -r name ours && read -r wname wine <&3; do
  [ "$name" = "$wname" ] || { echo "compare-windows: the two catalogues list different cases ($name, $wname)"; exit 1; }
  if [ "$ours" = "$wine" ]; then identical=$((identical + 1)); continue; fi
  file=$(tr '/ ,' '___' <<<"$name").bmp
  convert "$out/ours/$file" "$out/wine/$file" \( "$out/ours/$file" "$out/wine/$file" -compose difference -composite -negate \) \
    +append -scale 400% "$out/differences/${file%.bmp}.png" 2>/dev/null || true
  listed=false
  while read -r pattern _; do
    # shellcheck disable=SC2053  # the pattern is a glob on purpose
    [[ -n "$pattern" && "$name" == $pattern ]] && listed=true
  done < <(grep -v '^#' "$allowed")
  $listed || unexpected+=("$name")
done < "$out/ours.txt" 3< "$out/wine.txt"

echo "compare-windows: $identical of $total cases identical; differing pictures in $out/differences"
if [ ${#unexpected[@]} -ne 0 ]; then
  printf 'compare-windows: not on the allowed list: %s\n' "${unexpected[@]}"
  [ "${1:-}" = "--report" ] || exit 1
fi
