#!/usr/bin/env bash
# Builds every fuzz target as a libFuzzer program with AddressSanitizer and UBSan (clang, in
# build-fuzz/) and runs each for SECONDS (default 600), one after another, as one job that
# stops at its first finding. Each run starts from the kept inputs in fuzz/corpus/<target>/
# copied to a scratch folder, so the source tree is never written. Findings (crashing, leaking,
# hanging or memory-hungry inputs) go to build-fuzz/findings/<target>/ with the run's log;
# keep the ones worth keeping under fuzz/corpus/<target>/ once mended.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
build_dir=build-fuzz
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(sed -n 's/^tawo_fuzz(\([a-z0-9_]*\) .*/\1/p' fuzz/*/CMakeLists.txt)
fi

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAWO_FUZZ=ON \
  -DTAWO_SANITIZE=ON -DTAWO_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"

printf '%-22s %8s %12s %9s\n' target seconds executions findings > "$build_dir/fuzz-summary.txt"
total_findings=0
for target in "${targets[@]}"; do
  scratch="$build_dir/fuzz-corpus/$target"
  findings="$build_dir/findings/$target"
  rm -rf "$scratch" "$findings"
  mkdir -p "$scratch" "$findings"
  if [ -d "fuzz/corpus/$target" ]; then cp -r "fuzz/corpus/$target/." "$scratch/"; fi
  log="$findings/run.log"
  # -timeout catches hangs (say, quadratic work); -rss_limit_mb memory beyond the readers' caps.
  WINDISPLAY=headless "$build_dir/bin/$target" "$scratch" -max_total_time="$seconds" -timeout=25 \
    -rss_limit_mb=2560 -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || true
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  count=$(find "$findings" -type f ! -name run.log | wc -l)
  total_findings=$((total_findings + count))
  printf '%-22s %8s %12s %9s\n' "$target" "$seconds" "${executions:-?}" "$count" | tee -a "$build_dir/fuzz-summary.txt"
done
[ "$total_findings" -eq 0 ]
