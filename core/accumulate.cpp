#include "accumulate.h"

#include "catalogue.h"

namespace {

int firstQuestionOf(int block) {
    return kBlockSize * (block - 1) + 1;
}

} // namespace

void AccumulateBlock(int block, const AnswerRecord& record, SingleScores& scores,
                     QuestionAnsweredTable& answered) {
    const int first = firstQuestionOf(block);
    for (int n = first; n < first + kBlockSize; ++n)
        answered[n] = 0;
    for (int n = first; n < first + kBlockSize; ++n) {
        const std::int32_t code = record.code(n);
        if (code == kUnanswered)
            continue;
        auto& total = scores.areaTotal[static_cast<std::size_t>(areaOfQuestion(n) - 1)];
        // 16-bit arithmetic modulo 65,536: a code of -2 takes one point off.
        total = static_cast<std::uint16_t>(total + static_cast<std::uint32_t>(code) + 1u);
        answered[n] += 1;
    }
}

void AccumulateBlock(int block, const AnswerRecord& record, GroupScores& scores,
                     QuestionAnsweredTable& answered) {
    const int first = firstQuestionOf(block);
    for (int n = first; n < first + kBlockSize; ++n) {
        const std::int32_t code = record.code(n);
        if (code == kUnanswered)
            continue;
        const auto area = static_cast<std::size_t>(areaOfQuestion(n) - 1);
        // Unsigned arithmetic, so that out-of-range codes wrap instead of overflowing.
        scores.areaTotal[area] += static_cast<std::uint32_t>(code) + 1u;
        scores.areaAnswered[area] += 1;
        answered[n] += 1;
    }
}
