#pragma once

#include "imported_question.h"

#include <functional>
#include <libxml/parser.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillara::tool {

// The questions of a Moodle XML quiz file in file order, categories left out. The parser never
// reaches the network and expands no entities, and a file that declares a document type is
// refused: quiz files have none, hostile ones use it. A file that is not well-formed XML with a
// <quiz> root raises TImportParseError at the first fault the parser met.
std::vector<TImportedQuestion> ReadMoodleXml(std::string_view bytes);

struct TMoodleXmlFaults;

// The same reading, a piece of the file at a time: each question goes to `take` as soon as it
// has been read and its nodes are let go, so that only the question being read is held. Reading
// stops when `take` returns false.
class TMoodleXmlReader {
public:
    explicit TMoodleXmlReader(std::function<bool(TImportedQuestion&&)> take);
    ~TMoodleXmlReader();
    TMoodleXmlReader(const TMoodleXmlReader&) = delete;
    TMoodleXmlReader& operator=(const TMoodleXmlReader&) = delete;

    // The next bytes of the file, `last` with its end; false once `take` has asked to stop.
    // Raises TImportParseError as ReadMoodleXml does.
    bool Feed(std::string_view bytes, bool last);

private:
    bool TakeFinished(bool last);

    std::function<bool(TImportedQuestion&&)> Take;
    std::unique_ptr<TMoodleXmlFaults> Faults;
    std::string Start;
    std::size_t Read = 0;
    xmlParserCtxt* Context = nullptr;
};

} // namespace quillara::tool
