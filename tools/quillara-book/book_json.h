#pragma once

#include "core/book/book_properties.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "json_stream.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quillara::tool {

// The JSON form of each book file: keys are the field names of the records, texts are UTF-8
// decoded from the stored Windows-1252 bytes, absent lists are null.
nlohmann::json BookToJson(const TBookProperties& book);
nlohmann::json TopicFileToJson(const std::vector<TTopicEntry>& entries);
nlohmann::json QuestionToJson(const TQuestion& question);
nlohmann::json QuestionBankToJson(const std::vector<TQuestion>& questions);
nlohmann::json GlossaryEntryToJson(const TDefinition& entry);
nlohmann::json GlossaryToJson(const std::vector<TDefinition>& entries);
nlohmann::json AuthorsNotesToJson(const std::string& text);

// The same as QuestionToJson(MakeQuestion(fields)) and GlossaryEntryToJson(entry), written
// straight to the stream with no value built.
void WriteQuestionJson(TJsonStream& json, const TQuestionFields& fields);
void WriteGlossaryEntryJson(TJsonStream& json, const TDefinition& entry);

// Stored bytes as a JSON string.
nlohmann::json Text(std::string_view bytes);

} // namespace quillara::tool
