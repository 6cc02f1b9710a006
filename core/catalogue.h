// The eight competence areas and the 96 statements of the questionnaire.
#pragma once

#include <array>
#include <vector>

struct AreaInfo {
    int number;               // 1..8
    const char* name;         // menu button and window caption
    const char* chartLabel;   // category text of the area's bar
    const char* exportSuffix; // appended to the picture base name
    int questionCount;
    int attainablePoints; // 5 points per question
};

struct QuestionInfo {
    int number;                       // 1..96
    int area;                         // 1..8
    int lineCount;                    // 1..3 display lines
    std::array<const char*, 3> lines; // UTF-8; unused lines are nullptr
};

extern const std::array<AreaInfo, 8> AreaTable;
extern const std::array<QuestionInfo, 96> QuestionCatalogue;

// Look-ups by 1-based number.
const AreaInfo& areaInfo(int area);
const QuestionInfo& questionInfo(int question);
int areaOfQuestion(int question);
// The questions of an area in display order (ascending).
std::vector<int> questionsOfArea(int area);
