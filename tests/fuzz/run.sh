#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for a fixed time each, seeded from the sample files
# and the test data. Usage: tests/fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="${2:-20}"

seeds() {
    case "$1" in
        data_file_fuzz) echo "$root/examples" "$root/tests/data" ;;
        startup_config_fuzz) echo "$root/tests/fuzz/seeds/startup_config" ;;
        csv_import_fuzz) echo "$root/tests/fuzz/seeds/csv_import" ;;
        engine_fuzz) echo "$root/tests/fuzz/seeds/engine" ;;
        project_file_fuzz) echo "$root/tests/fuzz/seeds/project_file" ;;
    esac
}

status=0
for target in data_file_fuzz startup_config_fuzz csv_import_fuzz engine_fuzz project_file_fuzz; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target: ${seconds} s"
    # shellcheck disable=SC2046
    if ! (cd "$build" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        "./tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
        -rss_limit_mb=2048 -print_final_stats=1 "$corpus" $(seeds "$target") \
        > "$build/$target.log" 2>&1); then
        echo "$target FAILED; see $build/$target.log"
        tail -40 "$build/$target.log"
        status=1
    else
        grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$build/$target.log" | tail -2
    fi
done
exit "$status"
