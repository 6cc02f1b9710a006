// Pooling every answer file of a folder: the group evaluation's scan, without any window.
#pragma once

#include "accumulate.h"
#include "kalmirGLOBAL.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

struct GroupScanResult {
    GroupScores scores;
    QuestionAnsweredTable answered;
    // Per question the sum of the non-negative answer codes over all pooled files, in the
    // answer record's layout; every other byte is zero.
    AnswerRecord questionSum{};
    std::uint64_t participantCount = 0;
    // False as soon as a pooled file holds a negative code for any question.
    bool allAnswered = true;
};

// The names the scan considers, sorted by name: regular files (a symbolic link counts when its
// target is one) that are not hidden; nothing inside subfolders. Picture names are still in.
QStringList listGroupFolder(const QString& folder);

// Pictures of earlier runs stay out of the scan: any name containing ".jpg" (case-sensitive).
bool isPictureName(const QString& name);

// Reads and pools every answer file of `folder` in name order. `onUnreadable` is called with the
// bare name of every file that cannot be read, in that order.
GroupScanResult ScanGroupFolder(const QString& folder,
                                const std::function<void(const QString&)>& onUnreadable = {});

// True when the group gave no answer at all in some area, so that no bar can be computed.
bool hasUnansweredArea(const GroupScores& scores);
