// Reading one answer file.
#pragma once

#include "kalmirGLOBAL.h"

#include <QString>

// Reads the first record of the file at `path` into `record`. The file is opened for reading and
// writing (a file that cannot be written to is unreadable), only regular files are opened, and
// bytes after the first 432 are ignored. Returns false on any failure; `record` is then left
// unchanged. Never blocks on special files and never throws.
bool ReadAnswerRecord(const QString& path, AnswerRecord& record);

// Binds `answerFile` to `path` and reads its record into `answerBuffer`.
bool ReadAnswerFile(const QString& path);
