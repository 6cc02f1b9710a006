#include "catalogue.h"

#include <cassert>

const std::array<AreaInfo, 8> AreaTable{{
    {1, "Strukturkompetenz", "Strukturkompetenz", "-1Struktur.jpg", 14, 70},
    {2, "Prozesskompetenz", "Prozesskompetenz", "-2Prozess.jpg", 16, 80},
    {3, "Umsetzungskompetenz", "Umsetzungskompetenz", "-3Umsetzung.jpg", 17, 85},
    {4, "PM-Standards", "PM-Standards", "-4PM-Standards.jpg", 7, 35},
    {5, "Lernkompetenz", "Lernkompetenz", "-5Lern.jpg", 11, 55},
    {6, "TOOLing", "TOOLing", "-6TOOLing.jpg", 9, 45},
    {7, "Schnittstelle Linie-Projekt", "Schnittstelle\rLinie-Projekt", "-7Linie-Projekt.jpg", 14,
     70},
    {8, "Technik", "Technik", "-8Technik.jpg", 8, 40},
}};

const AreaInfo& areaInfo(int area) {
    assert(area >= 1 && area <= 8);
    return AreaTable[static_cast<std::size_t>(area - 1)];
}

const QuestionInfo& questionInfo(int question) {
    assert(question >= 1 && question <= 96);
    return QuestionCatalogue[static_cast<std::size_t>(question - 1)];
}

int areaOfQuestion(int question) {
    return questionInfo(question).area;
}

std::vector<int> questionsOfArea(int area) {
    std::vector<int> result;
    for (const QuestionInfo& q : QuestionCatalogue) {
        if (q.area == area)
            result.push_back(q.number);
    }
    return result;
}
