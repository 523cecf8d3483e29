#!/bin/sh
# Shows the demo book from the build tree through the book tool, as a student would read it: its
# check, then questions of chapter 1 with their placeholders filled.
set -eu
cd "$(dirname "$0")/.."
tool=build/default/tools/quillara-book/quillara-book
book=build/default/books/demo
"$tool" check "$book"
"$tool" show "$book" 1 1
"$tool" show "$book" 1 2
"$tool" show "$book" 1 17
