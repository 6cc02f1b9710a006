// Pure computations behind the bars, the gauges and the picture names.
#pragma once

#include <QString>

#include <cstdint>

// Bar of the single evaluation: points in percent of the area's attainable points, truncated.
int singleAreaPercent(std::uint16_t areaTotal, int area);

// Bar of the group evaluation: points in percent of 5 points per answered question, truncated.
// An area without any answer gives 0.
std::int64_t groupAreaPercent(std::uint32_t areaTotal, std::uint32_t areaAnswered);

// Gauge of one statement: (value + count) * 20 / count, truncated towards zero and limited to
// 0..100 for display. `value` is the answer code (single) or the sum of the group's codes,
// `count` the number of records that answered the question; a count of 0 shows 0.
int gaugeValue(std::int32_t value, std::uint32_t count);

// Picture base name from the chosen answer file's path: the folder is dropped, then 99 characters
// are deleted from the first dot on ("/daten/Projekt.Stand.dat" gives "Projekt").
QString graphicBaseNameFromPath(const QString& path);

// File names of the pictures: the result window's and that of area 1..8.
QString resultPictureName(const QString& baseName);
QString areaPictureName(const QString& baseName, int area);
