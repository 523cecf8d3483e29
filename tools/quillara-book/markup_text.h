#pragma once

#include <string>
#include <string_view>

namespace quillara::tool {

// What a question of the book can show of a marked-up text: its words and line breaks. Blocks
// (paragraphs, list items, headings, table rows) and <br> become line breaks, entities their
// characters, and a picture its alternative text in brackets; every other tag is dropped. White
// space is collapsed as a browser would. Lines are separated by "\n".
std::string HtmlToPlainText(std::string_view html);

// Markdown's emphasis, code marks, heading marks and links reduced to their words.
std::string MarkdownToPlainText(std::string_view markdown);

// Blanks at the ends of the text and of each line removed, runs of empty lines made one.
std::string TidyLines(std::string_view text);

} // namespace quillara::tool
