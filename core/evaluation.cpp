#include "evaluation.h"

#include "catalogue.h"

#include <algorithm>

int singleAreaPercent(std::uint16_t areaTotal, int area) {
    const std::uint32_t points = areaTotal;
    return static_cast<int>(points * 100u /
                            static_cast<std::uint32_t>(areaInfo(area).attainablePoints));
}

std::int64_t groupAreaPercent(std::uint32_t areaTotal, std::uint32_t areaAnswered) {
    if (areaAnswered == 0)
        return 0;
    return static_cast<std::int64_t>(std::uint64_t{areaTotal} * 100u /
                                     (std::uint64_t{areaAnswered} * 5u));
}

int gaugeValue(std::int32_t value, std::uint32_t count) {
    if (count == 0)
        return 0;
    // 64-bit, so that no sum or count can overflow; division truncates towards zero.
    const std::int64_t p = (std::int64_t{value} + std::int64_t{count}) * 20 / std::int64_t{count};
    return static_cast<int>(std::clamp<std::int64_t>(p, 0, 100));
}

QString graphicBaseNameFromPath(const QString& path) {
    QString name = path;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        name.remove(0, slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.remove(dot, 99);
    return name;
}

QString resultPictureName(const QString& baseName) {
    return baseName + QStringLiteral(".jpg");
}

QString areaPictureName(const QString& baseName, int area) {
    return baseName + QString::fromUtf8(areaInfo(area).exportSuffix);
}
