// libFuzzer target: arbitrary bytes as an answer file, and everything both programs compute from
// the record they read. A broken promise of the core functions ends the run with abort(), so that
// libFuzzer keeps the input; memory and undefined-behaviour faults are caught by the sanitizers.
#include "accumulate.h"
#include "answerfile.h"
#include "catalogue.h"
#include "evaluation.h"
#include "kalmirGLOBAL.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

void require(bool condition, const char* promise) {
    if (!condition) {
        std::fprintf(stderr, "Zusage verletzt: %s\n", promise);
        std::abort();
    }
}

// A scratch folder per process, so that parallel fuzzing jobs never share the answer file.
std::string scratchFolder;
std::string scratchFile;

void removeScratch() {
    ::unlink(scratchFile.c_str());
    ::rmdir(scratchFolder.c_str());
}

bool writeWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return ::close(fd) == 0;
}

AnswerRecord sentinelRecord() {
    AnswerRecord record;
    std::memset(&record, 0xA5, sizeof record);
    return record;
}

bool sameBytes(const AnswerRecord& record, const void* bytes) {
    return std::memcmp(&record, bytes, sizeof record) == 0;
}

// Reading: a file of at least 432 bytes gives its first 432 bytes, a shorter one fails and
// leaves the record alone. The bytes read as a path must not crash or hang the reader either.
AnswerRecord readAsAnswerFile(const std::uint8_t* data, std::size_t size) {
    require(writeWholeFile(scratchFile, data, size), "Antwortdatei geschrieben");
    const QString path = QFile::decodeName(QByteArray(scratchFile.c_str()));
    AnswerRecord record = sentinelRecord();
    const bool read = ReadAnswerRecord(path, record);
    if (size >= kAnswerRecordSize) {
        require(read, "vollständiger Datensatz wird gelesen");
        require(sameBytes(record, data), "gelesener Datensatz gleicht den ersten 432 Byte");
    } else {
        require(!read, "zu kurze Datei wird abgewiesen");
        const AnswerRecord untouched = sentinelRecord();
        require(sameBytes(record, &untouched), "Datensatz bleibt beim Fehler unverändert");
    }

    AnswerRecord viaPath = sentinelRecord();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadAnswerRecord(QFile::decodeName(bytes), viaPath);

    // Short inputs still drive the computations: their bytes, padded with zeros.
    if (read)
        return record;
    AnswerRecord padded;
    if (size > 0)
        std::memcpy(&padded, data, size);
    return padded;
}

// Both accumulation variants, run `rounds` times over the same record, against totals counted
// here in plain wrapping arithmetic; then every bar and every gauge stays within its range.
void checkAccumulation(const AnswerRecord& record) {
    constexpr std::uint32_t rounds = 3;
    std::array<std::uint32_t, kAreaCount> pointsOnce{};
    std::array<std::uint32_t, kAreaCount> answeredOnce{};
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (record.code(n) == kUnanswered)
            continue;
        const auto area = static_cast<std::size_t>(areaOfQuestion(n) - 1);
        pointsOnce[area] += static_cast<std::uint32_t>(record.code(n)) + 1u;
        answeredOnce[area] += 1;
    }

    SingleScores single;
    QuestionAnsweredTable singleAnswered;
    GroupScores group;
    QuestionAnsweredTable groupAnswered;
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        AccumulateRecord(record, single, singleAnswered);
        AccumulateRecord(record, group, groupAnswered);
        for (int n = 1; n <= kQuestionCount; ++n) {
            const std::uint32_t answered = record.code(n) == kUnanswered ? 0u : 1u;
            require(singleAnswered[n] == answered, "Einzelzählung je Frage 0 oder 1");
            require(groupAnswered[n] == round * answered, "Gruppenzählung je Frage");
        }
        for (std::size_t a = 0; a < kAreaCount; ++a) {
            require(single.areaTotal[a] == static_cast<std::uint16_t>(round * pointsOnce[a]),
                    "Einzelsumme modulo 65536");
            require(group.areaTotal[a] == round * pointsOnce[a], "Gruppensumme");
            require(group.areaAnswered[a] == round * answeredOnce[a], "Gruppenzahl je Bereich");
        }
    }

    for (int area = 1; area <= kAreaCount; ++area) {
        const auto a = static_cast<std::size_t>(area - 1);
        const int singleBar = singleAreaPercent(single.areaTotal[a], area);
        require(singleBar >= 0 && singleBar <= 65535 * 100 / areaInfo(area).attainablePoints,
                "Einzelbalken im Bereich");
        const std::int64_t groupBar = groupAreaPercent(group.areaTotal[a], group.areaAnswered[a]);
        require(groupBar >= 0, "Gruppenbalken nicht negativ");
        if (group.areaAnswered[a] == 0)
            require(groupBar == 0, "Bereich ohne Antwort zeigt 0");
    }

    for (int n = 1; n <= kQuestionCount; ++n) {
        const int singleGauge = gaugeValue(record.code(n), singleAnswered[n]);
        require(singleGauge >= 0 && singleGauge <= 100, "Einzelanzeige 0..100");
        // The group shows the sum of the codes of its records, which wraps like the program's.
        const auto groupSum =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(record.code(n)) * rounds);
        const int groupGauge = gaugeValue(groupSum, groupAnswered[n]);
        require(groupGauge >= 0 && groupGauge <= 100, "Gruppenanzeige 0..100");
        if (groupAnswered[n] == 0)
            require(groupGauge == 0 && singleGauge == 0, "unbeantwortete Frage zeigt 0");
    }
}

// The picture names from the bytes taken as a path, as UTF-8 and as a local file name.
void checkPictureNames(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& path : {QString::fromUtf8(bytes), QFile::decodeName(bytes)}) {
        const QString base = graphicBaseNameFromPath(path);
        require(!base.contains(QLatin1Char('/')), "Bildname ohne Ordner");
        require(base.size() <= path.size(), "Bildname nicht länger als der Pfad");
        require(resultPictureName(base).endsWith(QLatin1String(".jpg")), "Diagrammbild .jpg");
        for (int area = 1; area <= kAreaCount; ++area)
            require(areaPictureName(base, area).startsWith(base), "Bereichsbild beginnt mit Namen");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/kalmir-fuzz-XXXXXX";
    require(::mkdtemp(pattern.data()) != nullptr, "Arbeitsordner angelegt");
    scratchFolder = pattern;
    scratchFile = scratchFolder + "/KALMIR.dat";
    std::atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AnswerRecord record = readAsAnswerFile(data, size);
    checkAccumulation(record);
    checkPictureNames(data, size);
    return 0;
}
