// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/atomic_write.h"

#include "common/export/file_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rb {

namespace {

// The kernel gives up on a path after as many links.
constexpr int kMaxLinks = 40;
// Fresh names tried before giving up; a clash needs another file of exactly
// that random name.
constexpr int kNameAttempts = 100;

// The folder part of a native path with its slash, or nothing for a bare name.
QByteArray FolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

// What lies at the end of path's chain of symbolic links. path becomes the
// file the chain finally names; *exists tells whether anything is there (a
// link to a file yet to be made leads to that name). Returns 0 or an errno.
int FollowLinks(QByteArray *path, struct stat *st, bool *exists)
{
    for (int links = 0;; ++links) {
        if (lstat(path->constData(), st) != 0) {
            // Nothing there, or a folder on the way that cannot be read:
            // creating the fresh file beside it will tell which.
            *exists = false;
            return 0;
        }
        if (!S_ISLNK(st->st_mode)) {
            *exists = true;
            return 0;
        }
        if (links == kMaxLinks) return ELOOP;
        char target[PATH_MAX];
        const ssize_t n = readlink(path->constData(), target, sizeof target);
        if (n < 0) return errno;
        if (size_t(n) == sizeof target) return ENAMETOOLONG;
        // A relative link is read from the folder the link lies in.
        const QByteArray next(target, n);
        *path = next.startsWith('/') ? next : FolderOf(*path) + next;
    }
}

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return QCoreApplication::translate("rb::WindowSaver", "ein Ordner");
    if (S_ISFIFO(mode)) return QCoreApplication::translate("rb::WindowSaver", "eine benannte Pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QCoreApplication::translate("rb::WindowSaver", "ein Gerät");
    if (S_ISSOCK(mode)) return QCoreApplication::translate("rb::WindowSaver", "ein Socket");
    return QCoreApplication::translate("rb::WindowSaver", "etwas anderes");
}

// A fresh, hidden file in folder that no one else has opened. Returns the
// descriptor or -1 with errno set.
int CreateFresh(const QByteArray &folder, mode_t mode, QByteArray *name)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        *name = folder + ".regenbogen-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes all of data; returns 0 or the errno of the write that failed.
int WriteAll(int fd, const QByteArray &data)
{
    // One call at most this large: Linux writes no more at once.
    constexpr qsizetype kChunk = 1 << 30;
    const char *p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = write(fd, p, size_t(std::min(left, kChunk)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        p += n;
        left -= n;
    }
    return 0;
}

// Fills the fresh file and gives it its final name. Returns 0 or an errno.
int FillAndRename(int fd, const QByteArray &fresh, const QByteArray &target, const QByteArray &data,
                  const struct stat *earlier)
{
    int error = 0;
    // A file replaced keeps who may read it; a new one gets what the umask
    // leaves of 0666, as any program's new file.
    if (earlier && fchmod(fd, earlier->st_mode & 07777) != 0) error = errno;
    if (error == 0) error = WriteAll(fd, data);
    // A file system may report a full disk only when the data reach it.
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(fresh.constData(), target.constData()) != 0) error = errno;
    return error;
}

} // namespace

QString FileNameProblem(const QString &path)
{
    // The system's decoder puts U+FFFD for every byte it cannot read: such a
    // name, written back, would name another file than the one meant.
    const QByteArray native = QFile::encodeName(path);
    if (path.contains(QChar::ReplacementCharacter) || QFile::decodeName(native) != path)
        return QCoreApplication::translate("rb::WindowSaver", "der Name enthält Zeichen, die die Zeichenkodierung des Systems nicht wiedergibt");
    bool tooLong = native.size() >= PATH_MAX;
    for (const QByteArray &part : native.split('/')) tooLong = tooLong || part.size() > NAME_MAX;
    return tooLong ? FileErrorText(ENAMETOOLONG) : QString();
}

bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error) *error = reason;
        return false;
    };
    if (const QString problem = FileNameProblem(path); !problem.isEmpty()) return fail(problem);

    QByteArray target = QFile::encodeName(path);
    struct stat st {};
    bool exists = false;
    if (const int e = FollowLinks(&target, &st, &exists)) return fail(FileErrorText(e));
    if (exists && !S_ISREG(st.st_mode))
        return fail(QCoreApplication::translate("rb::WindowSaver", "„%1“ ist keine gewöhnliche Datei, sondern %2, und wird nicht ersetzt")
                        .arg(QDir::toNativeSeparators(QFile::decodeName(target)), KindOf(st.st_mode)));

    QByteArray fresh;
    // Until it has the earlier file's permissions, no one else may read it.
    const int fd = CreateFresh(FolderOf(target), exists ? 0600 : 0666, &fresh);
    if (fd < 0) return fail(FileErrorText(errno));
    if (const int e = FillAndRename(fd, fresh, target, data, exists ? &st : nullptr)) {
        unlink(fresh.constData());
        return fail(FileErrorText(e));
    }
    return true;
}

} // namespace rb
