// Written a piece at a time, JSON comes out byte for byte as a whole value's dump(2) prints it.
#include "json_stream.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quillara::tool {
namespace {

using nlohmann::json;

// Writes the value through the stream, opening containers down to `depth` levels and giving
// what lies deeper as whole values.
void Stream(TJsonStream& out, const json& value, int depth) {
    if (depth == 0 || !value.is_structured()) {
        out.Value(value);
    } else if (value.is_object()) {
        out.BeginObject();
        for (const auto& [key, member] : value.items()) {
            out.Key(key);
            Stream(out, member, depth - 1);
        }
        out.EndObject();
    } else {
        out.BeginArray();
        for (const json& element : value)
            Stream(out, element, depth - 1);
        out.EndArray();
    }
}

TEST(JsonStream, PrintsAsTheWholeValueDumps) {
    const json values[] = {
        json::object(),
        json::array(),
        json("a \"text\"\nwith a line break"),
        {{"questions", json::array()}},
        {{"questions", {{{"Kind", 1}, {"Text", "x"}}, {{"Kind", 2}, {"Text", "y"}}}}},
        {{"a", json::object()}, {"b", {1, 2.5, nullptr, true}}, {"c", {{"d", {{"e", "f"}}}}}},
        {json::array(), json::object(), {{json::array()}}, "last"},
    };
    for (const json& value : values)
        for (int depth = 0; depth <= 4; ++depth) {
            std::ostringstream text;
            TJsonStream out(text);
            Stream(out, value, depth);
            EXPECT_EQ(text.str(), value.dump(2)) << "depth " << depth;
        }
}

} // namespace
} // namespace quillara::tool
