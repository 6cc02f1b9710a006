// Checks of the question catalogue: area assignment, display lines and their widths.
#include "catalogue.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

// The area assignment written down per area, in display order.
const std::array<std::vector<int>, 8> QuestionsByArea = {{
    {15, 16, 17, 18, 19, 45, 46, 47, 48, 67, 81, 82, 93, 94},
    {11, 12, 13, 14, 20, 21, 22, 43, 44, 49, 50, 65, 66, 68, 83, 95},
    {9, 10, 23, 24, 25, 41, 42, 51, 52, 63, 64, 69, 70, 79, 80, 84, 92},
    {8, 26, 27, 53, 78, 85, 91},
    {6, 7, 28, 29, 40, 54, 61, 62, 71, 77, 86},
    {5, 30, 31, 38, 39, 60, 76, 87, 96},
    {3, 4, 32, 33, 34, 37, 55, 56, 59, 72, 73, 75, 88, 90},
    {1, 2, 35, 36, 57, 58, 74, 89},
}};

// The same assignment written down by question number, twelve questions a row.
const std::array<const char*, 8> AreasByNumber = {{
    "8 8 7 7 6 5 5 4 3 3 2 2",
    "2 2 1 1 1 1 1 2 2 2 3 3",
    "3 4 4 5 5 6 6 7 7 7 8 8",
    "7 6 6 5 3 3 2 2 1 1 1 1",
    "2 2 3 3 4 5 7 7 8 8 7 6",
    "5 5 3 3 2 2 1 2 3 3 5 7",
    "7 8 7 6 5 4 3 3 1 1 2 3",
    "4 5 6 7 8 7 4 3 1 1 2 6",
}};

const QSet<int> TwoLineQuestions = {2,  7,  11, 15, 26, 30, 39, 40, 46, 50, 52, 54, 57,
                                    59, 62, 64, 71, 76, 78, 80, 81, 82, 85, 86, 90};
const QSet<int> ThreeLineQuestions = {89};

// Continuation lines of these questions start 16 pixels right of the first line, all
// others 18 pixels.
const QSet<int> NarrowIndentQuestions = {2, 7, 26};

constexpr int LabelWidth = 513;
constexpr int FontPixelSize = 13;
const char* const FontFamily = "Liberation Sans";

int expectedLineCount(int question) {
    if (ThreeLineQuestions.contains(question))
        return 3;
    return TwoLineQuestions.contains(question) ? 2 : 1;
}

QList<int> parseAreas(const char* row) {
    QList<int> areas;
    const QStringList parts = QString::fromLatin1(row).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        areas.append(part.toInt());
    return areas;
}

QString displayText(const QuestionInfo& q) {
    QStringList lines;
    for (int i = 0; i < q.lineCount && i < 3; ++i)
        lines.append(QString::fromUtf8(q.lines[i] ? q.lines[i] : ""));
    return lines.join(QLatin1Char('\n'));
}

void addQuestionRows() {
    QTest::addColumn<int>("question");
    for (int n = 1; n <= 96; ++n)
        QTest::addRow("question %d", n) << n;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void rowsInNumberOrder();
    void lookupByNumber();
    void everyQuestionInExactlyOneArea();
    void referenceTablesAgree();

    void areaCounts_data();
    void areaCounts();
    void questionsByArea_data();
    void questionsByArea();
    void areasByNumber_data();
    void areasByNumber();

    void lineCount_data();
    void lineCount();
    void firstLinePrefix_data();
    void firstLinePrefix();
    void lineText_data();
    void lineText();
    void statementsDistinct();
    void quotedStatements_data();
    void quotedStatements();

    void lineWidths_data();
    void lineWidths();
};

void TestCatalogue::rowsInNumberOrder() {
    for (int i = 0; i < int(QuestionCatalogue.size()); ++i)
        QCOMPARE(QuestionCatalogue[i].number, i + 1);
}

void TestCatalogue::lookupByNumber() {
    for (int n = 1; n <= 96; ++n) {
        const QuestionInfo& q = questionInfo(n);
        QCOMPARE(q.number, n);
        QCOMPARE(&q, &QuestionCatalogue[n - 1]);
    }
}

void TestCatalogue::everyQuestionInExactlyOneArea() {
    std::array<int, 97> seen{};
    for (int area = 1; area <= 8; ++area) {
        for (int q : questionsOfArea(area)) {
            QVERIFY2(q >= 1 && q <= 96,
                     qPrintable(QStringLiteral("area %1 lists question %2").arg(area).arg(q)));
            ++seen[q];
        }
    }
    for (int q = 1; q <= 96; ++q) {
        QVERIFY2(
            seen[q] == 1,
            qPrintable(QStringLiteral("question %1 is listed in %2 areas").arg(q).arg(seen[q])));
        const int area = QuestionCatalogue[q - 1].area;
        QVERIFY2(area >= 1 && area <= 8,
                 qPrintable(QStringLiteral("question %1 has area %2").arg(q).arg(area)));
    }
}

// The two written forms of the assignment in this file must describe the same mapping;
// otherwise the comparisons against the catalogue below would prove nothing.
void TestCatalogue::referenceTablesAgree() {
    std::array<int, 97> byArea{};
    for (int a = 1; a <= 8; ++a)
        for (int q : QuestionsByArea[a - 1]) {
            QCOMPARE(byArea[q], 0);
            byArea[q] = a;
        }
    for (int row = 0; row < 8; ++row) {
        const QList<int> areas = parseAreas(AreasByNumber[row]);
        QCOMPARE(areas.size(), 12);
        for (int k = 0; k < 12; ++k)
            QCOMPARE(areas[k], byArea[row * 12 + k + 1]);
    }
}

void TestCatalogue::areaCounts_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("count");
    const int counts[] = {14, 16, 17, 7, 11, 9, 14, 8};
    for (int a = 1; a <= 8; ++a)
        QTest::addRow("area %d", a) << a << counts[a - 1];
}

void TestCatalogue::areaCounts() {
    QFETCH(int, area);
    QFETCH(int, count);
    const auto inCatalogue =
        std::count_if(QuestionCatalogue.begin(), QuestionCatalogue.end(),
                      [area](const QuestionInfo& q) { return q.area == area; });
    QCOMPARE(int(inCatalogue), count);
    QCOMPARE(int(questionsOfArea(area).size()), count);
    QCOMPARE(AreaTable[area - 1].questionCount, count);
    QCOMPARE(areaInfo(area).questionCount, count);
    QCOMPARE(areaInfo(area).attainablePoints, 5 * count);
}

void TestCatalogue::questionsByArea_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<QList<int>>("questions");
    for (int a = 1; a <= 8; ++a) {
        const std::vector<int>& list = QuestionsByArea[a - 1];
        QTest::addRow("area %d", a) << a << QList<int>(list.begin(), list.end());
    }
}

void TestCatalogue::questionsByArea() {
    QFETCH(int, area);
    QFETCH(QList<int>, questions);
    const std::vector<int> actual = questionsOfArea(area);
    QCOMPARE(QList<int>(actual.begin(), actual.end()), questions);
    for (int q : questions) {
        QCOMPARE(areaOfQuestion(q), area);
        QCOMPARE(QuestionCatalogue[q - 1].area, area);
    }
}

void TestCatalogue::areasByNumber_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QList<int>>("areas");
    for (int row = 0; row < 8; ++row)
        QTest::addRow("questions %d to %d", row * 12 + 1, row * 12 + 12)
            << row * 12 + 1 << parseAreas(AreasByNumber[row]);
}

void TestCatalogue::areasByNumber() {
    QFETCH(int, first);
    QFETCH(QList<int>, areas);
    QCOMPARE(areas.size(), 12);
    for (int k = 0; k < 12; ++k) {
        const int q = first + k;
        QCOMPARE(QuestionCatalogue[q - 1].area, areas[k]);
        QCOMPARE(areaOfQuestion(q), areas[k]);
        QCOMPARE(questionInfo(q).area, areas[k]);
    }
}

void TestCatalogue::lineCount_data() {
    addQuestionRows();
}

void TestCatalogue::lineCount() {
    QFETCH(int, question);
    const QuestionInfo& q = QuestionCatalogue[question - 1];
    QCOMPARE(q.lineCount, expectedLineCount(question));
    for (int i = 0; i < 3; ++i) {
        if (i < q.lineCount) {
            QVERIFY2(q.lines[i] != nullptr,
                     qPrintable(QStringLiteral("line %1 missing").arg(i + 1)));
            QVERIFY2(q.lines[i][0] != '\0', qPrintable(QStringLiteral("line %1 empty").arg(i + 1)));
        } else {
            QVERIFY2(q.lines[i] == nullptr,
                     qPrintable(QStringLiteral("unused line %1 is set").arg(i + 1)));
        }
    }
}

void TestCatalogue::firstLinePrefix_data() {
    addQuestionRows();
}

void TestCatalogue::firstLinePrefix() {
    QFETCH(int, question);
    const QuestionInfo& q = QuestionCatalogue[question - 1];
    QVERIFY(q.lines[0] != nullptr);
    const QByteArray first(q.lines[0]);
    const QByteArray prefix = QString::asprintf("%2d. ", question).toLatin1();
    QVERIFY2(first.startsWith(prefix), first.constData());
    QVERIFY2(first.size() > prefix.size() && first.at(prefix.size()) != ' ', first.constData());
}

void TestCatalogue::lineText_data() {
    addQuestionRows();
}

// Every line is valid UTF-8 without control characters, without blanks at either end
// (continuation lines carry no indentation of their own), and the statement ends a sentence.
void TestCatalogue::lineText() {
    QFETCH(int, question);
    const QuestionInfo& q = QuestionCatalogue[question - 1];
    QString last;
    for (int i = 0; i < q.lineCount && i < 3; ++i) {
        QVERIFY(q.lines[i] != nullptr);
        const QByteArray bytes(q.lines[i]);
        const QString text = QString::fromUtf8(bytes);
        QVERIFY2(text.toUtf8() == bytes && !text.contains(QChar::ReplacementCharacter),
                 qPrintable(QStringLiteral("line %1 is not valid UTF-8").arg(i + 1)));
        for (const QChar c : text)
            QVERIFY2(c.category() != QChar::Other_Control, qPrintable(text));
        QVERIFY2(!text.endsWith(QLatin1Char(' ')), qPrintable(text));
        if (i > 0)
            QVERIFY2(!text.front().isSpace(), qPrintable(text));
        last = text;
    }
    QVERIFY2(last.endsWith(QLatin1Char('.')), qPrintable(last));
}

void TestCatalogue::statementsDistinct() {
    QSet<QString> bodies;
    for (const QuestionInfo& q : QuestionCatalogue) {
        QString body = displayText(q).mid(4);
        body.replace(QLatin1String("-\n"), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
        QVERIFY2(!bodies.contains(body), qPrintable(body));
        bodies.insert(body);
    }
    QCOMPARE(bodies.size(), 96);
}

// The expected texts are spelled as bytes so that the comparison does not depend on how this
// file itself is encoded.
void TestCatalogue::quotedStatements_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("area");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::newRow("question 1")
        << 1 << 8
        << QByteArrayList{
               " 1. Die L\xc3\xb6sungen wurden im Pflichtenheft ausreichend beschrieben."};
    QTest::newRow("question 10")
        << 10 << 3 << QByteArrayList{"10. Risiken werden identifiziert, bewertet und behandelt."};
    QTest::newRow("question 7")
        << 7 << 5
        << QByteArrayList{
               " 7. Der Qualifizierungsbedarf von Projektleitern und -mitgliedern wird regel-",
               "m\xc3\xa4\xc3\x9fig ermittelt."};
    QTest::newRow("question 89")
        << 89 << 8
        << QByteArrayList{
               "89. Zielvorgaben und Randbedingungen f\xc3\xbcr Projekte werden von den Projekt-",
               "verantwortlichen hinterfragt, konkretisiert und auf die technische Machbarkeit",
               "hin \xc3\xbc"
               "berpr\xc3\xbc"
               "ft."};
}

void TestCatalogue::quotedStatements() {
    QFETCH(int, question);
    QFETCH(int, area);
    QFETCH(QByteArrayList, lines);
    const QuestionInfo& q = QuestionCatalogue[question - 1];
    QCOMPARE(q.area, area);
    QCOMPARE(q.lineCount, int(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY(q.lines[i] != nullptr);
        QCOMPARE(QByteArray(q.lines[i]), lines[i]);
    }
}

void TestCatalogue::lineWidths_data() {
    addQuestionRows();
}

// The area windows give every line a label at most 513 pixels wide; continuation lines start
// further right, so they have that much less room.
void TestCatalogue::lineWidths() {
    QFETCH(int, question);
    QFont font(QString::fromLatin1(FontFamily));
    font.setPixelSize(FontPixelSize);
    const QString resolved = QFontInfo(font).family();
    QVERIFY2(resolved == QLatin1String(FontFamily),
             qPrintable(QStringLiteral("font \"%1\" resolved to \"%2\"; install fonts-liberation2 "
                                       "so that the line widths can be measured")
                            .arg(QLatin1String(FontFamily), resolved)));
    const QFontMetrics metrics(font);

    const QuestionInfo& q = QuestionCatalogue[question - 1];
    const int indent = NarrowIndentQuestions.contains(question) ? 16 : 18;
    for (int i = 0; i < q.lineCount && i < 3; ++i) {
        QVERIFY(q.lines[i] != nullptr);
        const QString text = QString::fromUtf8(q.lines[i]);
        const int limit = i == 0 ? LabelWidth : LabelWidth - indent;
        const int width = metrics.horizontalAdvance(text);
        QVERIFY2(width <= limit, qPrintable(QStringLiteral("line %1 is %2 px wide, limit %3: %4")
                                                .arg(i + 1)
                                                .arg(width)
                                                .arg(limit)
                                                .arg(text)));
    }
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
