#!/bin/sh
# Shows the demo book from the build tree through the book tool: its check, its definition and
# the first questions of chapter 1 with their placeholders filled.
set -eu
cd "$(dirname "$0")/.."
tool=build/default/tools/quillara-book/quillara-book
book=build/default/books/demo
"$tool" check "$book"
"$tool" dump "$book/BOOK.DEF" | head -n 40
"$tool" show "$book" 1 1
"$tool" show "$book" 1 2
"$tool" show "$book" 1 17
