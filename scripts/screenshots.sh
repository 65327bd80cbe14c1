#!/usr/bin/env bash
# Makes the README's pictures: builds the default preset, starts the real
# window on an X server under Xvfb (offscreen where there is none), takes its
# pages, popups, a sheet and a batch window, and puts them into docs/guide/images/
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh >/dev/null
out=build/release/screenshots
rm -rf "$out" && mkdir -p "$out"
run=(env QT_QPA_PLATFORM=offscreen)
if command -v xvfb-run >/dev/null 2>&1; then
    run=(xvfb-run -a -s "-screen 0 1600x1024x24" env QT_QPA_PLATFORM=xcb)
fi
(cd "$out" && "${run[@]}" "$OLDPWD/build/release/tests/kelvora_screenshots")
for name in tooltip discipline-list warning stale batch terms timetable; do
    cp "$out/kelvora-$name.png" "docs/guide/images/$name.png"
done
pdftoppm -png -r 60 -singlefile "$out/kelvora-supervision-sheet.pdf" docs/guide/images/supervision-sheet
pdftoppm -png -r 60 -singlefile "$out/kelvora-notice.pdf" docs/guide/images/notice
echo "docs/guide/images/: the pictures of the README and the guide made anew (the pages as they open: $out/kelvora-tab*.png)"
