#include "starter_book.h"

#include "canvas.h"
#include "core/picture/jpeg_encoder.h"
#include "tool_io.h"

#include <array>
#include <string_view>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

// The notes sit beside what they explain, as "//" members, so that they stay in the one file
// the author edits and copies.
constexpr std::string_view BookSource = R"json({
  "//": [
    "The source of a Quillara book. Make the book with",
    "  quillara-book build book.json BOOKDIR",
    "and ask for its mistakes with  quillara-book check BOOKDIR.",
    "Members named // are notes for you; build passes over them.",
    "A text of several lines is a list of lines, or one text with \n where a line ends.",
    "Texts are Western European (Windows-1252): write CH3COOH, not CH₃COOH.",
    "Every member is described in book-source.md, installed with quillara-book (man quillara-book names where)."
  ],
  "Title": "Water and Solutions",
  "Subtitle": "A starting book to make your own",
  "Edition": "First edition",
  "Copyright": "Copyright 2026 Your Name",
  "Topics": ["Summary"],
  "Variables": [
    {
      "//": "A question shows {mass} as a number drawn from Min to Max, with Decimals places.",
      "Name": "mass", "Kind": "number", "Min": 5, "Max": 50, "Decimals": 0
    },
    {
      "//": "Kinds: number, percent (0.05 shows 5%), money, choice (one of Choices).",
      "Name": "volume", "Kind": "number", "Min": 100, "Max": 500, "Decimals": 0
    },
    { "Name": "solute", "Kind": "choice", "Choices": ["salt", "sugar", "baking soda"] }
  ],
  "Functions": [
    "concentration(mass, volume) = mass / volume * 1000"
  ],
  "Chapters": [
    {
      "//": "Chapter 1. Each topic of Topics has a page here, an HTML file.",
      "Name": "Measuring Water",
      "Pages": [ { "Topic": "Summary", "File": "pages/1-summary.html" } ],
      "Questions": [
        {
          "//": "A True/False question: Answer is true or false.",
          "Kind": "True/False",
          "Text": "One litre of water has a mass of about one kilogram.",
          "Answer": true,
          "Explanation": "A litre of water at room temperature has a mass of very nearly 1 kg."
        },
        {
          "//": "A Multiple Choice question: two to five Choices, lettered A to E in order.",
          "Kind": "Multiple Choice",
          "Text": "Which of these holds the most water?",
          "Choices": ["A 250 mL glass", "A 2 L bottle", "A 500 mL jar", "A 1 L jug"],
          "Answer": "B",
          "Explanation": "2 L is 2000 mL, more than each of the others."
        }
      ]
    },
    {
      "Name": "Solutions",
      "Pages": [ { "Topic": "Summary", "File": "pages/2-summary.html" } ],
      "Questions": [
        {
          "//": [
            "A Word Problem: the student types a number, which is compared with",
            "Formula rounded to RoundTo decimal places. {mass}, {volume} and {solute}",
            "are drawn afresh each time the question is shown; the formula calls",
            "the book's function concentration."
          ],
          "Kind": "Word Problem",
          "Text": "You dissolve {mass} g of {solute} in {volume} mL of water. What is the concentration in grams per litre?",
          "Formula": "concentration({mass}, {volume})",
          "RoundTo": 1,
          "Explanation": [
            "Concentration is the mass dissolved divided by the volume of the solution.",
            "Divide the grams by the millilitres, then multiply by 1000 for grams per litre."
          ],
          "GlossaryTerms": ["Solution"]
        },
        {
          "Kind": "True/False",
          "Text": "Stirring sugar into water makes a solution.",
          "Answer": true,
          "Explanation": "The sugar dissolves evenly in the water, which is what makes a solution.",
          "GlossaryTerms": ["Solution"]
        }
      ]
    }
  ],
  "Glossary": [
    {
      "Term": "Solution",
      "Definition": "A mixture in which one substance, the solute, is dissolved evenly in another, the solvent.",
      "Page": "12",
      "Chapters": "2"
    }
  ],
  "AuthorsNotes": [
    "Notes from the author.",
    "",
    "Tell your students how the book is meant to be used."
  ],
  "Pictures": {
    "//": "The cover is cover.jpg and chapter n's heading CHAPn.JPG; pictures are JPEG files.",
    "cover.jpg": "pictures/cover.jpg",
    "CHAP1.JPG": "pictures/chap1.jpg",
    "CHAP2.JPG": "pictures/chap2.jpg"
  }
}
)json";

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> Pages{{
    {"pages/1-summary.html",
     "<h1>Measuring Water</h1>\n"
     "<p>Water is measured by its <b>volume</b>, in litres (L) and millilitres (mL), and by its\n"
     "<b>mass</b>, in kilograms (kg) and grams (g).</p>\n"
     "<ul>\n<li>1 L = 1000 mL</li>\n<li>1 L of water has a mass of about 1 kg</li>\n</ul>\n"
     "<p>Write your own page here. Pictures of the book are shown with\n"
     "<code>&lt;img src=\"CHAP1.JPG\"&gt;</code>.</p>\n"},
    {"pages/2-summary.html",
     "<h1>Solutions</h1>\n"
     "<p>A <i>solution</i> is a mixture in which a <b>solute</b> is dissolved evenly in a\n"
     "<b>solvent</b>, such as salt in water.</p>\n"
     "<p>Its <b>concentration</b> is the mass of solute in each litre:</p>\n"
     "<p align=\"center\">concentration = mass &divide; volume</p>\n"},
}};

constexpr std::array ChapterNames{std::string_view("Measuring Water"),
                                  std::string_view("Solutions")};
constexpr demo::Rgb Sea{30, 110, 160};
constexpr demo::Rgb Deep{14, 48, 92};

// A beaker of water, the book's mark.
void DrawBeaker(demo::Canvas& c, double left, double top, double width, double height) {
    const double wall = 4;
    c.FillRect(left + wall, top + height * 0.4, left + width - wall, top + height - wall,
               {120, 190, 230});
    c.FillRect(left, top, left + wall, top + height, demo::colour::White);
    c.FillRect(left + width - wall, top, left + width, top + height, demo::colour::White);
    c.FillRect(left, top + height - wall, left + width, top + height, demo::colour::White);
    for (int mark = 1; mark <= 3; ++mark)
        c.FillRect(left + wall, top + height * mark / 4.0, left + width / 3,
                   top + height * mark / 4.0 + 2, demo::colour::White);
}

demo::Canvas Cover() {
    constexpr int width = 300, height = 400;
    demo::Canvas c(width, height, demo::colour::White);
    c.Gradient(0, 0, width, height, Sea, Deep, true);
    double y = 60;
    for (std::string_view line : {"Water and", "Solutions"}) {
        c.TextCentred(width / 2.0, y, line, 4.5, demo::colour::White);
        y += 46;
    }
    DrawBeaker(c, 100, 190, 100, 130);
    c.TextCentred(width / 2.0, 352, "A Quillara starting book", 1.5, demo::colour::Gold);
    return c;
}

demo::Canvas ChapterHeading(std::size_t index) {
    constexpr int width = 600, height = 60;
    demo::Canvas c(width, height, demo::colour::White);
    c.Gradient(0, 0, width, height, Sea, demo::Mix(Sea, demo::colour::White, 0.35), false);
    const std::string title =
        "Chapter " + std::to_string(index + 1) + ": " + std::string(ChapterNames[index]);
    c.Text(20, 30 - demo::GlyphHeight * 1.5, title, 3, demo::colour::White);
    return c;
}

std::string Jpeg(const demo::Canvas& canvas) {
    return EncodeJpeg(TDecodedPicture{canvas.Width(), canvas.Height(), canvas.Pixels()}, 90, true);
}

} // namespace

void WriteStarterBook(const TNewOptions& options) {
    const fs::path& dir = options.Directory;
    std::error_code error;
    if (fs::exists(dir, error) && !(fs::is_directory(dir) && fs::is_empty(dir)))
        throw std::runtime_error("\"" + dir.string() +
                                 "\" is not an empty folder; new writes a starting book only "
                                 "into a new or empty one, so that nothing of yours is replaced");
    // Everything is made before the first file is written.
    std::vector<std::pair<fs::path, std::string>> files{{"book.json", std::string(BookSource)}};
    for (const auto& [name, html] : Pages)
        files.emplace_back(name, html);
    files.emplace_back("pictures/cover.jpg", Jpeg(Cover()));
    for (std::size_t i = 0; i < ChapterNames.size(); ++i)
        files.emplace_back("pictures/chap" + std::to_string(i + 1) + ".jpg",
                           Jpeg(ChapterHeading(i)));
    for (const auto& [name, bytes] : files) {
        fs::create_directories((dir / name).parent_path());
        WriteWholeFile(dir / name, bytes);
    }
}

} // namespace quillara::tool
