#include "groupscan.h"

#include "answerfile.h"

#include <QDir>

#include <algorithm>

QStringList listGroupFolder(const QString& folder) {
    // Without QDir::Hidden names starting with "." stay out; without QDir::System so do named
    // pipes, sockets, devices and broken links.
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end());
    return names;
}

bool isPictureName(const QString& name) {
    return name.contains(QLatin1String(".jpg"), Qt::CaseSensitive);
}

GroupScanResult ScanGroupFolder(const QString& folder,
                                const std::function<void(const QString&)>& onUnreadable) {
    GroupScanResult result;
    const QDir dir(folder);
    for (const QString& name : listGroupFolder(folder)) {
        if (isPictureName(name))
            continue;
        AnswerRecord record;
        if (!ReadAnswerRecord(dir.filePath(name), record)) {
            if (onUnreadable)
                onUnreadable(name);
            continue;
        }
        ++result.participantCount;
        AccumulateRecord(record, result.scores, result.answered);
        for (int n = 1; n <= kQuestionCount; ++n) {
            const std::int32_t code = record.code(n);
            if (code < 0) {
                result.allAnswered = false;
                continue;
            }
            // Wraps instead of overflowing for nonsense codes.
            result.questionSum.code(n) =
                static_cast<std::int32_t>(static_cast<std::uint32_t>(result.questionSum.code(n)) +
                                          static_cast<std::uint32_t>(code));
        }
    }
    return result;
}

bool hasUnansweredArea(const GroupScores& scores) {
    return std::any_of(scores.areaAnswered.begin(), scores.areaAnswered.end(),
                       [](std::uint32_t count) { return count == 0; });
}
