#!/usr/bin/env bash
# Builds the fuzz targets with Clang into build-fuzz and runs each for FUZZ_SECONDS
# (default 600), two at a time, starting from the seeds in fuzz/corpus/<target>/.
# Prints the executions and findings of every target; exits 1 when anything was found.
#   fuzz/run.sh                   every target
#   FUZZ_SECONDS=60 fuzz/run.sh keys textfile
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-600}
all_targets=(item_reader keys command_line search_list_writer convertcp textfile)
targets=("${@:-${all_targets[@]}}")

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEMLAR_FUZZ=ON -DZEMLAR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

# The longer inputs reach past the reader's 8192-byte buffer.
max_len() { case $1 in textfile) echo 20000 ;; *) echo 4096 ;; esac; }

run_one() {
  local target=$1
  local corpus="$build/fuzz-corpus/$target" findings="$build/fuzz-findings/$target"
  mkdir -p "$corpus" "$findings"
  (cd "$findings" && "$build/bin/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -max_len="$(max_len "$target")" -print_final_stats=1 \
      -artifact_prefix="$findings/" >"$build/fuzz-$target.log" 2>&1) || true
}

running=0
for target in "${targets[@]}"; do
  if ((running == 2)); then wait -n; running=$((running - 1)); fi
  echo "fuzzing $target for ${seconds}s"
  run_one "$target" &
  running=$((running + 1))
done
wait

found=0
printf '%-20s %14s  %s\n' target executions findings
for target in "${targets[@]}"; do
  log="$build/fuzz-$target.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  files=$(find "$build/fuzz-findings/$target" -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'oom-*' -o -name 'leak-*' \) | wc -l)
  if ! grep -q '^stat::number_of_executed_units' "$log"; then runs="?"; files=$((files > 0 ? files : 1)); fi
  ((files == 0)) || found=1
  printf '%-20s %14s  %s\n' "$target" "${runs:-?}" "$files"
done
((found == 0)) || echo "findings: build-fuzz/fuzz-findings/<target>/, logs: build-fuzz/fuzz-<target>.log"
exit "$found"
