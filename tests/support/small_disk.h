// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A small file system of its own for tests of a full disk: a tmpfs mounted
// on a fresh folder and unmounted at the end. Mounting needs root (or a
// namespace that allows it); where it fails, Mounted() is false and the test
// skips.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

class SmallDisk {
public:
    explicit SmallDisk(const char *size = "64k")
    {
        mounted_ = dir_.isValid() && mount("tmpfs", Native().constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                                           (QByteArray("size=") + size).constData()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) umount2(Native().constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool Mounted() const { return mounted_; }
    QString Path() const { return dir_.path(); }
    QString FilePath(const QString &name) const { return dir_.filePath(name); }

    // Takes what is left with a file of its own, "fill".
    void Fill() const
    {
        const int fd = open(QFile::encodeName(FilePath(QStringLiteral("fill"))).constData(),
                            O_WRONLY | O_CREAT | O_APPEND, 0600);
        const QByteArray block(4096, '\0');
        while (write(fd, block.constData(), size_t(block.size())) > 0) {}
        // The last pages of a tmpfs go a byte at a time.
        while (write(fd, block.constData(), 1) > 0) {}
        close(fd);
    }

private:
    QByteArray Native() const { return QFile::encodeName(dir_.path()); }

    QTemporaryDir dir_;
    bool mounted_ = false;
};
