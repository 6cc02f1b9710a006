// Score accumulation, single and group variant.
#include "accumulate.h"
#include "catalogue.h"
#include "testsupport.h"

#include <QTest>

using namespace testsupport;

namespace {

using AreaValues = std::array<std::uint32_t, kAreaCount>;

AreaValues questionsPerArea(std::uint32_t factor) {
    AreaValues values{};
    for (int a = 1; a <= kAreaCount; ++a)
        values[std::size_t(a - 1)] = factor * std::uint32_t(areaInfo(a).questionCount);
    return values;
}

template <typename Array> AreaValues widen(const Array& totals) {
    AreaValues values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = totals[i];
    return values;
}

} // namespace

Q_DECLARE_METATYPE(AnswerRecord)
Q_DECLARE_METATYPE(AreaValues)

class AccumulateTest : public QObject {
    Q_OBJECT

private slots:
    void single_data() {
        QTest::addColumn<AnswerRecord>("record");
        QTest::addColumn<AreaValues>("areaTotal");
        QTest::addColumn<int>("answeredCount");
        QTest::newRow("all codes 4") << recordWithAll(4) << questionsPerArea(5) << 96;
        QTest::newRow("all unanswered") << recordWithAll(-1) << AreaValues{} << 0;
        QTest::newRow("all codes 0") << recordWithAll(0) << questionsPerArea(1) << 96;
        QTest::newRow("question 94 code 4 only")
            << recordWith(-1, {{94, 4}}) << AreaValues{5, 0, 0, 0, 0, 0, 0, 0} << 1;
        QTest::newRow("question 1 code 0 only")
            << recordWith(-1, {{1, 0}}) << AreaValues{0, 0, 0, 0, 0, 0, 0, 1} << 1;
        QTest::newRow("code 9 adds 10")
            << recordWith(-1, {{8, 9}}) << AreaValues{0, 0, 0, 10, 0, 0, 0, 0} << 1;
        // -2 counts as answered and takes one point off, modulo 65,536.
        QTest::newRow("code -2 wraps")
            << recordWith(-1, {{8, -2}}) << AreaValues{0, 0, 0, 65535, 0, 0, 0, 0} << 1;
        QTest::newRow("code -2 beside a 4")
            << recordWith(-1, {{8, -2}, {26, 4}}) << AreaValues{0, 0, 0, 4, 0, 0, 0, 0} << 2;
    }
    void single() {
        QFETCH(AnswerRecord, record);
        QFETCH(AreaValues, areaTotal);
        QFETCH(int, answeredCount);
        SingleScores scores;
        QuestionAnsweredTable answered;
        AccumulateRecord(record, scores, answered);
        QCOMPARE(widen(scores.areaTotal), areaTotal);
        int count = 0;
        for (int n = 1; n <= kQuestionCount; ++n) {
            QCOMPARE(answered[n], record.code(n) == -1 ? 0u : 1u);
            count += int(answered[n]);
        }
        QCOMPARE(count, answeredCount);
    }

    void singleTwiceDoublesTotalsOnly() {
        // Each block resets its own answered counts, so they stay 0 or 1.
        SingleScores scores;
        QuestionAnsweredTable answered;
        const AnswerRecord record = recordWith(2, {{5, -1}});
        AccumulateRecord(record, scores, answered);
        AccumulateRecord(record, scores, answered);
        AreaValues expected = questionsPerArea(6);
        expected[5] -= 6; // question 5 (area 6) unanswered
        QCOMPARE(widen(scores.areaTotal), expected);
        for (int n = 1; n <= kQuestionCount; ++n)
            QCOMPARE(answered[n], n == 5 ? 0u : 1u);
    }

    void singleBlocksTouchOnlyTheirQuestions() {
        SingleScores scores;
        QuestionAnsweredTable answered;
        for (int n = 1; n <= kQuestionCount; ++n)
            answered[n] = 7;
        AccumulateBlock(2, recordWithAll(-1), scores, answered);
        for (int n = 1; n <= kQuestionCount; ++n)
            QCOMPARE(answered[n], (n >= 25 && n <= 48) ? 0u : 7u);
    }

    void groupTwoRecords() {
        GroupScores scores;
        QuestionAnsweredTable answered;
        AccumulateRecord(recordWith(-1, {{15, 4}}), scores, answered);
        AccumulateRecord(recordWith(-1, {{15, -1}}), scores, answered);
        QCOMPARE(scores.areaTotal[0], 5u);
        QCOMPARE(scores.areaAnswered[0], 1u);
        QCOMPARE(answered[15], 1u);
    }

    void groupThreeRecords() {
        GroupScores scores;
        QuestionAnsweredTable answered;
        for (int i = 0; i < 3; ++i)
            AccumulateRecord(recordWithAll(2), scores, answered);
        QCOMPARE(scores.areaTotal, questionsPerArea(9));
        QCOMPARE(scores.areaAnswered, questionsPerArea(3));
        for (int n = 1; n <= kQuestionCount; ++n)
            QCOMPARE(answered[n], 3u);
    }

    void groupNegativeTwoCountsAsAnswered() {
        GroupScores scores;
        QuestionAnsweredTable answered;
        AccumulateRecord(recordWith(-1, {{26, 3}}), scores, answered);
        AccumulateRecord(recordWith(-1, {{26, -2}}), scores, answered);
        QCOMPARE(scores.areaTotal[3], 3u);
        QCOMPARE(scores.areaAnswered[3], 2u);
        QCOMPARE(answered[26], 2u);
    }

    void groupCountersDoNotWrap_data() {
        QTest::addColumn<int>("records");
        QTest::newRow("256 records: beyond 8-bit counts") << 256;
        QTest::newRow("772 records: beyond 65,535 points in area 3") << 772;
        QTest::newRow("4,000 records: beyond 65,535 answers in area 3") << 4000;
    }
    void groupCountersDoNotWrap() {
        QFETCH(int, records);
        GroupScores scores;
        QuestionAnsweredTable answered;
        const AnswerRecord record = recordWithAll(4);
        for (int i = 0; i < records; ++i)
            AccumulateRecord(record, scores, answered);
        const auto r = std::uint32_t(records);
        QCOMPARE(scores.areaTotal, questionsPerArea(5 * r));
        QCOMPARE(scores.areaAnswered, questionsPerArea(r));
        QCOMPARE(answered[1], r);
        QCOMPARE(answered[96], r);
    }
};

QTEST_GUILESS_MAIN(AccumulateTest)
#include "tst_accumulate.moc"
