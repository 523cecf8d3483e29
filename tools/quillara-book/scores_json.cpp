#include "scores_json.h"

#include "core/scores/score_file.h"
#include "core/text/windows1252.h"

namespace quillara::tool {

nlohmann::json ScoresToJson(std::string_view bytes, const std::string& fileName) {
    const TScoreHistory history = ReadScoreFile(bytes, fileName);
    nlohmann::json scores = nlohmann::json::array();
    for (std::size_t i = 0; i < history.size(); ++i) {
        const TScore& score = history.at(i);
        nlohmann::json details = nlohmann::json::array();
        for (int d = 0; d < score.detailCount(); ++d) {
            const TScoreDetail& detail = score.detail(d);
            details.push_back({{"chapter", detail.chapter},
                               {"correct", detail.correct},
                               {"incorrect", detail.incorrect}});
        }
        scores.push_back({{"date", score.date},
                          {"description", Windows1252ToUtf8(score.description())},
                          {"details", std::move(details)}});
    }
    return {{"scores", std::move(scores)}};
}

} // namespace quillara::tool
