#!/bin/sh
# Installs what is missing, builds, and opens the demo book in Quillara's window.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only the window and the demo book: the tests, fuzzers and benchmarks wait for run-tests.sh.
scripts/build.sh default quillara demo_book
program=build/default/src/app/quillara
book=build/default/books/demo/BOOK.DEF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to open the window on. To run Quillara on a virtual display:"
    echo "    xvfb-run -a $program $book"
    echo "Meanwhile, here is the demo book as the book tool sees it:"
    exec scripts/show-demo.sh
fi
exec "$program" "$book"
