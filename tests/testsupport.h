// Fixtures shared by the tests: answer files, unprivileged runs and answers to modal dialogs.
#pragma once

#include "kalmirGLOBAL.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

class QWidget;

namespace testsupport {

// A record whose 96 codes are all `code`, with recognisable header and trailer bytes.
AnswerRecord recordWithAll(std::int32_t code);
// A record with every code `fill` except the given (question, code) pairs.
AnswerRecord recordWith(std::int32_t fill,
                        std::initializer_list<std::pair<int, std::int32_t>> codes);

// The record's 432 bytes.
QByteArray recordBytes(const AnswerRecord& record);
// Writes `bytes` to `path`; returns false on failure.
bool writeFile(const QString& path, const QByteArray& bytes);
// Writes `record`, cut or padded (with 0x5A bytes) to `size` bytes.
bool writeAnswerFile(const QString& path, const AnswerRecord& record, qsizetype size = 432);
// The same for the file `name` in `dir`.
bool writeAnswerFile(const QDir& dir, const QString& name, const AnswerRecord& record,
                     qsizetype size = 432);

// Runs `check` in a child process as the unprivileged user "nobody" and returns its result;
// std::nullopt when this process cannot switch users (then the caller skips).
std::optional<bool> runUnprivileged(const std::function<bool()>& check);
// Whether tests run as root, so that permission checks need runUnprivileged.
bool runningAsRoot();

// Calls `answer` with the next modal widget that appears (message box, dialog), from the
// event loop, polling for up to `timeoutMs`. Returns at once; the answer happens later.
void answerNextModal(std::function<void(QWidget*)> answer, int timeoutMs = 10000);
// Presses the button with text `buttonText` (accelerator ampersands ignored) on the next modal
// widget, recording the widget's window title and text in `seenTitle`/`seenText` if given.
void pressOnNextModal(const QString& buttonText, QString* seenTitle = nullptr,
                      QString* seenText = nullptr);

// Answers every modal widget that appears, in order, with the next scripted button text (a
// widget beyond the script gets "OK", or is closed when it has none), and records what each
// one showed. Lives until destroyed; checks from the event loop every 20 ms.
class ModalScript : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
    };
    explicit ModalScript(QStringList buttons = {});
    ~ModalScript() override;
    const QList<Seen>& seen() const { return seen_; }
    QStringList texts() const;

private:
    void poll();
    QStringList buttons_;
    QList<Seen> seen_;
    int timerId_ = 0;

protected:
    void timerEvent(QTimerEvent*) override { poll(); }
};

// Presses the button whose text, accelerators ignored, is `text`; closes `modal` otherwise.
void pressButton(QWidget* modal, const QString& text);

} // namespace testsupport
