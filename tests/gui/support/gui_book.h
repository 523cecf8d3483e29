#pragma once

#include "core/book/book_properties.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "temp_book_dir.h"

#include <string>
#include <vector>

namespace quillara::testing {

// A small book written into a temporary directory by the project's writers, with every part a
// window may read. Change the members, then Write().
struct GuiBook {
    GuiBook();
    // Writes every file; returns the directory.
    const std::filesystem::path& Write();

    TempBookDir Dir;
    TBookProperties Book;
    std::uint8_t Version = 5;
    std::vector<std::vector<TTopicEntry>> Pages; // per chapter, from chapter 1
    std::vector<std::vector<TQuestion>> Banks;   // per chapter, from chapter 1
    TGlossary Glossary;
    std::string AuthorsNotes = "Notes of the author.";
    bool WritePictures = true;
};

} // namespace quillara::testing
