#!/bin/sh
# Pictures of the main window on the demo book for the README, taken from the real program on a
# virtual display: docs/screenshots/main-window.png and docs/screenshots/topic-page.png.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh default
shot=build/default/tools/window-shot/quillara-window-shot
book=build/default/books/demo/BOOK.DEF
mkdir -p docs/screenshots
run() { xvfb-run -a -s "-screen 0 1280x1024x24" "$shot" "$book" "$@"; }
run docs/screenshots/main-window.png
run docs/screenshots/topic-page.png topic 1
