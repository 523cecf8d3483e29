#include "scores/score_block.h"

#include "io/book_errors.h"

#include <algorithm>

namespace quillara {

TScoreBlock::TScoreBlock(std::string bytes, const std::string& fileName) : Text(std::move(bytes)) {
    TByteReader in(Text, fileName);
    try {
        const std::int16_t count = in.ReadInt16("score count");
        // Reserved for the most the bytes left can hold, so that neither array moves while it
        // fills: a record takes at least its detail count, date and description length, and a
        // detail six bytes. A damaged count reserves no more than that either.
        Scores.reserve(std::min<std::size_t>(std::max<int>(count, 0), in.Remaining() / 11));
        Details.reserve(in.Remaining() / 6);
        for (int i = 0; i < count; ++i) {
            const std::size_t first = Details.size();
            const TScoreRecord record = ReadScoreRecord(in, Details);
            Scores.emplace_back(record.Date, record.Description,
                                std::span(Details.data() + first, record.DetailCount));
        }
    } catch (const TBookFileError&) {
        Damage = std::current_exception();
    }
}

TScoreBlock::TScoreBlock(std::span<const TScore* const> scores) {
    std::size_t textSize = 0;
    std::size_t detailCount = 0;
    for (const TScore* score : scores) {
        textSize += score->description().size();
        detailCount += static_cast<std::size_t>(score->detailCount());
    }
    Text.reserve(textSize);
    Details.reserve(detailCount);
    Scores.reserve(scores.size());
    for (const TScore* score : scores) {
        const std::size_t textAt = Text.size();
        const std::size_t first = Details.size();
        Text += score->description();
        for (int d = 0; d < score->detailCount(); ++d)
            Details.push_back(score->detail(d));
        Scores.emplace_back(score->date,
                            std::string_view(Text).substr(textAt, score->description().size()),
                            std::span(Details.data() + first, Details.size() - first));
    }
}

} // namespace quillara
