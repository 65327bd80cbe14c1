#!/usr/bin/env bash
# Builds the Release preset and prints the benchmark figures: the click path
# of each calculator (Google Benchmark) and the start-up of the real window
# against the floor window (medians of alternating runs), headless and on an
# X server under Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
build/release/bench/kelvora_click_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.2
build/release/bench/kelvora_batch_bench --benchmark_min_time=0.2
runs="${1:-25}"
QT_QPA_PLATFORM=offscreen build/release/bench/kelvora_startup_bench "$runs" 2>/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    build/release/bench/kelvora_startup_bench "$runs" 2>/dev/null
