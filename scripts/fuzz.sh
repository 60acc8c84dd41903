#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 60) on a
# working copy of its seed corpus, so the seeds in the repository stay as
# they are. A finding stops the run with its reproducer in build-fuzz/findings.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/build.sh fuzz

findings=build-fuzz/findings
mkdir -p "$findings"
for target in fuzz/corpus/*/; do
  name=$(basename "$target")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  cp -n "$target"* "$corpus"/ 2>/dev/null || true
  echo "fuzz: $name for ${seconds}s"
  build-fuzz/fuzz/"$name" -max_total_time="$seconds" -seed=1 -print_final_stats=1 \
    -dict="fuzz/$name.dict" -artifact_prefix="$findings/$name-" "$corpus" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE|==[0-9]+==|SUMMARY)' || true
  if ls "$findings/$name-"* >/dev/null 2>&1; then
    echo "fuzz: $name found a fault: $(ls "$findings/$name-"*)" >&2
    exit 1
  fi
done
echo "fuzz: no findings"
