// Turning answer codes into area points and per-question answered counts.
//
// The work is split into four blocks of 24 questions (1-24, 25-48, 49-72, 73-96). Only the code
// -1 marks an unanswered question; every other code counts as answered and adds code + 1 points,
// also codes outside 0..4.
#pragma once

#include "kalmirGLOBAL.h"

#include <array>
#include <cstdint>

// Single evaluation: one record. Area totals are 16-bit and wrap modulo 65,536 like the
// questionnaire's own arithmetic; each block first resets the answered counts of its questions.
struct SingleScores {
    std::array<std::uint16_t, kAreaCount> areaTotal{};
};

// Group evaluation: any number of records. Nothing is reset; the counters are wide enough
// that no group size can make them wrap.
struct GroupScores {
    std::array<std::uint32_t, kAreaCount> areaTotal{};
    std::array<std::uint32_t, kAreaCount> areaAnswered{};
};

// Accumulates block 1..4 of `record`.
void AccumulateBlock(int block, const AnswerRecord& record, SingleScores& scores,
                     QuestionAnsweredTable& answered);
void AccumulateBlock(int block, const AnswerRecord& record, GroupScores& scores,
                     QuestionAnsweredTable& answered);

// Blocks 1 to 4 in order, as the evaluation flows run them after every read.
template <typename Scores>
void AccumulateRecord(const AnswerRecord& record, Scores& scores, QuestionAnsweredTable& answered) {
    for (int block = 1; block <= kBlockCount; ++block)
        AccumulateBlock(block, record, scores, answered);
}
