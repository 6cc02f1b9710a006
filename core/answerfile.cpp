#include "answerfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when the read is done, whatever the outcome.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

bool ReadAnswerRecord(const QString& path, AnswerRecord& record) {
    if (path.isEmpty())
        return false;
    const QByteArray nativePath = QFile::encodeName(path);

    // Look before opening: a named pipe, socket, device or folder is never opened at all.
    struct stat before {};
    if (::stat(nativePath.constData(), &before) != 0 || !S_ISREG(before.st_mode))
        return false;

    FileDescriptor file;
    file.fd = ::open(nativePath.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.fd < 0)
        return false;
    // The name may have been replaced between the look and the open.
    struct stat opened {};
    if (::fstat(file.fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        return false;

    AnswerRecord incoming;
    auto* bytes = reinterpret_cast<char*>(&incoming);
    std::size_t have = 0;
    while (have < sizeof incoming) {
        const ssize_t got = ::read(file.fd, bytes + have, sizeof incoming - have);
        if (got > 0) {
            have += static_cast<std::size_t>(got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            return false; // end of file before a whole record, or a read error
        }
    }
    record = incoming;
    return true;
}

bool ReadAnswerFile(const QString& path) {
    answerFile = path;
    return ReadAnswerRecord(path, answerBuffer);
}
