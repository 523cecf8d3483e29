#include "core/scores/score_block.h"

#include "core/io/book_errors.h"

#include <algorithm>
#include <string>

namespace quillara {

TScoreBlock::TScoreBlock(std::string bytes, const std::string& fileName) : Text(std::move(bytes)) {
    TByteReader in(Text, fileName);
    try {
        const std::int16_t count = in.ReadInt16("score count");
        // No writer gives a negative count: the file is damaged, and how many records follow
        // cannot be told.
        if (count < 0)
            throw TBookFileError(fileName + ": the score count " + std::to_string(count) +
                                 " at byte 0 is less than none");
        // Both arrays are sized for the most the bytes left can hold, so that neither moves while
        // it fills: a record takes at least its detail count, date and description length, and a
        // detail six bytes. A damaged count reserves no more than that either. The details'
        // array is left unset, and only what is read into it is ever touched.
        Scores.reserve(std::min<std::size_t>(std::max<int>(count, 0), in.Remaining() / 11));
        Details = std::make_unique_for_overwrite<TScoreDetail[]>(in.Remaining() / 6);
        TScoreDetail* next = Details.get();
        for (int i = 0; i < count; ++i)
            Scores.emplace_back(in, next);
        // Bytes past the counted records are no part of any score: a count lowered, or records
        // appended without it. The counted ones are kept; the file itself is kept aside.
        if (!in.AtEnd())
            throw TBookFileError(fileName + ": " + std::to_string(in.Remaining()) +
                                 " bytes follow the " + std::to_string(count) +
                                 " scores the file counts, at byte " +
                                 std::to_string(in.Position()));
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
    Details = std::make_unique_for_overwrite<TScoreDetail[]>(detailCount);
    Scores.reserve(scores.size());
    TScoreDetail* next = Details.get();
    for (const TScore* score : scores) {
        const std::size_t textAt = Text.size();
        TScoreDetail* const first = next;
        Text += score->description();
        for (int d = 0; d < score->detailCount(); ++d)
            *next++ = score->detail(d);
        Scores.emplace_back(score->date,
                            std::string_view(Text).substr(textAt, score->description().size()),
                            std::span(first, static_cast<std::size_t>(next - first)));
    }
}

} // namespace quillara
