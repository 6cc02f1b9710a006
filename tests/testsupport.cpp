#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

AnswerRecord recordWithAll(std::int32_t code) {
    AnswerRecord record;
    record.header.fill(0xA5);
    record.trailer.fill(0x3C);
    record.answers.fill(code);
    return record;
}

AnswerRecord recordWith(std::int32_t fill,
                        std::initializer_list<std::pair<int, std::int32_t>> codes) {
    AnswerRecord record = recordWithAll(fill);
    for (const auto& [question, code] : codes)
        record.code(question) = code;
    return record;
}

QByteArray recordBytes(const AnswerRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

bool writeAnswerFile(const QString& path, const AnswerRecord& record, qsizetype size) {
    QByteArray bytes = recordBytes(record);
    if (size < bytes.size())
        bytes.truncate(size);
    else
        bytes.append(QByteArray(size - bytes.size(), '\x5A'));
    return writeFile(path, bytes);
}

bool writeAnswerFile(const QDir& dir, const QString& name, const AnswerRecord& record,
                     qsizetype size) {
    return writeAnswerFile(dir.filePath(name), record, size);
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

std::optional<bool> runUnprivileged(const std::function<bool()>& check) {
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr || ::geteuid() != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
            ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

void answerNextModal(std::function<void(QWidget*)> answer, int timeoutMs) {
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, answer, timeoutMs] {
        *elapsed += timer->interval();
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void pressOnNextModal(const QString& buttonText, QString* seenTitle, QString* seenText) {
    answerNextModal([buttonText, seenTitle, seenText](QWidget* modal) {
        if (seenTitle != nullptr)
            *seenTitle = modal->windowTitle();
        if (seenText != nullptr) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                *seenText = box->text();
        }
        pressButton(modal, buttonText);
    });
}

void pressButton(QWidget* modal, const QString& text) {
    const QString wanted = QString(text).remove(QLatin1Char('&'));
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
        if (QString(button->text()).remove(QLatin1Char('&')) == wanted) {
            button->click();
            return;
        }
    }
    modal->close();
}

ModalScript::ModalScript(QStringList buttons)
    : buttons_(std::move(buttons)) {
    timerId_ = startTimer(20);
}

ModalScript::~ModalScript() {
    killTimer(timerId_);
}

QStringList ModalScript::texts() const {
    QStringList result;
    for (const Seen& s : seen_)
        result << s.text;
    return result;
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A new box may reuse the address of the last one, so each answered widget is marked.
    if (modal == nullptr || !modal->isVisible() || modal->property("kalmirAnswered").toBool())
        return;
    modal->setProperty("kalmirAnswered", true);
    Seen seen{modal->windowTitle(), QString()};
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        seen.text = box->text();
    seen_ << seen;
    const QString button = buttons_.isEmpty() ? QStringLiteral("OK") : buttons_.takeFirst();
    // Answered from a fresh event-loop pass, so that the widget has finished opening.
    QTimer::singleShot(0, modal, [modal, button] { pressButton(modal, button); });
}

} // namespace testsupport
