#!/bin/sh
# Pictures of the demo book in the real program for the README, taken on a virtual display into
# docs/screenshots/: the main window, a topic page, a Multiple Choice question, the answer
# response to a wrong answer, the glossary matching quiz after one answer, the saved scores, a
# test's chart by chapter, a chapter's score graph, a word problem, a test's results, the main
# window maximized, the retake of missed questions, a search of the book and a page opened on one
# of its hits.
# With --200, the program scaled to 200% as on a high-density screen (QT_SCALE_FACTOR=2), into
# docs/screenshots/200/: the main window, a Multiple Choice question and a test's chart.
# With --dark, under a dark desktop palette, into docs/screenshots/dark/: the main window, a topic
# page, a Multiple Choice question at 150% text size and a test's chart.
set -eu
scale=1
[ "${1:-}" = "--200" ] && scale=2
dark=
[ "${1:-}" = "--dark" ] && dark=dark
cd "$(dirname "$0")/.."
top=$(pwd)
[ -f build/default/build.ninja ] || cmake --preset default
cmake --build --preset default --target quillara-window-shot demo_book
shot="$top/build/default/tools/window-shot/quillara-window-shot"
book="$top/build/default/books/demo/BOOK.DEF"
pictures="$top/docs/screenshots"
mkdir -p "$pictures"
# The quizzes' scores and what the program remembers stay in a scratch folder of their own.
size=
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
run() {
    rm -rf "$scratch/data" "$scratch/config"
    (cd "$scratch" && XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
        QT_SCALE_FACTOR=$scale QUILLARA_SHOT_PALETTE=$dark QUILLARA_SHOT_TEXT_SIZE=$size \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$shot" "$book" "$@")
}
if [ -n "$dark" ]; then
    mkdir -p "$pictures/dark"
    run "$pictures/dark/main-window.png"
    run "$pictures/dark/topic-page.png" topic 1
    size=150
    run "$pictures/dark/mc-question.png" quiz
    size=
    run "$pictures/dark/score-chart.png" score-chart
    exit 0
fi
if [ "$scale" = 2 ]; then
    mkdir -p "$pictures/200"
    run "$pictures/200/main-window.png"
    run "$pictures/200/mc-question.png" quiz
    run "$pictures/200/score-chart.png" score-chart
    exit 0
fi
run "$pictures/main-window.png"
run "$pictures/topic-page.png" topic 1
run "$pictures/mc-question.png" quiz
run "$pictures/answer-response.png" response
run "$pictures/matching-quiz.png" matching
run "$pictures/saved-scores.png" scores
run "$pictures/score-chart.png" score-chart
run "$pictures/word-problem.png" word-problem
run "$pictures/test-results.png" test-results
run "$pictures/main-window-maximized.png" maximized
run "$pictures/chapter-graph.png" chapter-graph
run "$pictures/retake.png" retake
run "$pictures/search-results.png" search "emergency fund"
run "$pictures/search-hit.png" search "emergency fund" 3
