#include "core/io/book_errors.h"
#include "core/scores/score_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace quillara;

// Any bytes as a score file: the lenient load and the strict reader must agree, never read past
// the end, and what was loaded must save to bytes that load back to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    TScoreHistory lenient;
    const bool complete = lenient.readScores(bytes, "SCORES.SAV");

    bool strictRead = true;
    std::size_t strictSize = 0;
    try {
        strictSize = ReadScoreFile(bytes, "SCORES.SAV").size();
    } catch (const TBookFileError&) {
        strictRead = false;
    }
    if (strictRead != complete) std::abort();
    if (strictRead && strictSize != lenient.size()) std::abort();

    const std::string saved = lenient.writeScores();
    TScoreHistory reloaded;
    if (!reloaded.readScores(saved, "SCORES.SAV")) std::abort();
    if (reloaded.size() != lenient.size() || reloaded.writeScores() != saved) std::abort();
    for (std::size_t i = 0; i < lenient.size(); ++i) {
        const TScore& score = lenient.at(i);
        if (score.totalAnswered() != reloaded.at(i).totalAnswered()) std::abort();
        for (int d = 0; d < score.detailCount(); ++d) {
            const TScoreDetail& detail = score.detail(d);
            const int percent = wholePercent(detail.correct, detail.answered());
            if (detail.answered() > 0 && detail.correct >= 0 &&
                detail.correct <= detail.answered() && (percent < 0 || percent > 100))
                std::abort();
        }
    }
    return 0;
}
