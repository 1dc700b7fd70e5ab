#!/usr/bin/env bash
# Whole-process timing of varnok3-batch: the median wall time of several runs of
# `--models all --measures all` on SYS1 and on generated 1000-failure and 1000-interval sets.
# Usage: scripts/time-batch.sh [path/to/varnok3-batch] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
batch=${1:-build-release/cli/varnok3-batch}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeded data: a Jelinski-Moranda process (1200 faults, per-fault rate 1e-3), and fault counts
# of a decaying intensity over 1000 intervals.
awk 'BEGIN { srand(20240601); for (i = 0; i < 1000; i++) printf "%.6f\n", -log(1 - rand()) / (1e-3 * (1200 - i)) }' > "$work/tbf1000.txt"
awk 'BEGIN { srand(20240602); for (i = 0; i < 1000; i++) {
  m = 30 * exp(-0.003 * i); L = exp(-m); k = 0; p = 1;
  do { k++; p *= rand() } while (p > L);
  printf "%d %s\n", k - 1, (i % 3 == 0 ? "1.5" : "1") } }' > "$work/int1000.txt"

median() {
  local -a times=()
  for ((r = 0; r < runs; r++)); do
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f ms\n", a[int((NR + 1) / 2)] / 1000 }'
}

echo "SYS1 (136 failures), all TBF models, all measures: $(median "$batch" --models all --measures all tests/data/sys1_tbf.txt)"
echo "1000 failures, all TBF models, all measures:     $(median "$batch" --models all --measures all "$work/tbf1000.txt")"
echo "1000 intervals, all interval models, accuracy:   $(median "$batch" --kind interval --models all --measures all "$work/int1000.txt")"
