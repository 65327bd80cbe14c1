#!/usr/bin/env bash
# Builds the Release preset and prints the benchmark figures: the click path
# of each calculator (Google Benchmark) and the start-up of the real window
# against a bare Qt window (median of alternating runs).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
build/release/bench/kelvora_click_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.2
build/release/bench/kelvora_startup_bench "${1:-25}"
