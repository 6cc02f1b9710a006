// Program-wide state and the fixed tables shared by both evaluation programs.
#pragma once

#include <QString>

#include <array>
#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "answer files hold little-endian integers; this build reads them in place");

inline constexpr int kQuestionCount = 96;
inline constexpr int kAreaCount = 8;
inline constexpr int kBlockCount = 4;
inline constexpr int kBlockSize = 24;
inline constexpr int kPointsPerQuestion = 5;

// Answer code of a question that was left unanswered.
inline constexpr std::int32_t kUnanswered = -1;

// One completed questionnaire: 44 header bytes, 96 little-endian signed 32-bit answer codes
// (question n at offset 44 + 4 * (n - 1)) and 4 trailer bytes. Header and trailer are never read.
struct AnswerRecord {
    std::array<std::uint8_t, 44> header{};
    std::array<std::int32_t, kQuestionCount> answers{};
    std::array<std::uint8_t, 4> trailer{};

    std::int32_t code(int question) const { return answers[question - 1]; }
    std::int32_t& code(int question) { return answers[question - 1]; }
};
static_assert(sizeof(AnswerRecord) == 432);
static_assert(offsetof(AnswerRecord, answers) == 44);
static_assert(offsetof(AnswerRecord, trailer) == 428);

inline constexpr std::size_t kAnswerRecordSize = sizeof(AnswerRecord);

// Number of records in which each question was answered, kept per block of 24 questions.
// Counted in 32 bits so that a group of any size stays exact; in the single program a
// count is 0 or 1.
struct QuestionAnsweredTable {
    std::array<std::array<std::uint32_t, kBlockSize>, kBlockCount> blocks{};

    std::uint32_t operator[](int question) const {
        return blocks[(question - 1) / kBlockSize][(question - 1) % kBlockSize];
    }
    std::uint32_t& operator[](int question) {
        return blocks[(question - 1) / kBlockSize][(question - 1) % kBlockSize];
    }
    void clear() { blocks = {}; }
};

// The five answer levels, in code order 0 to 4.
extern const std::array<const char*, 5> answerLevelNames;

// Program-wide state. Zero at start, written by the evaluation flow, read by every window.
extern AnswerRecord answerBuffer;
extern QString answerFile; // the path the answer file is bound to
extern QuestionAnsweredTable questionAnswered;
extern bool saveGraphics;
extern QString graphicBaseName;
extern bool firstActivation;

// Resets every program-wide value to its state at program start (used between test cases).
void resetProgramState();
