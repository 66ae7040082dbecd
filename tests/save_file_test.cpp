// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Writing a saved file: a full disk fails the save and keeps the earlier
// file byte for byte, and only regular files are replaced, links written
// through to the file they name.
#include "common/export/atomic_write.h"
#include "common/export/file_error.h"
#include "tests/support/small_disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace rb;

namespace {

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

TEST(AtomicWrite, AFullDiskFailsTheSaveAndKeepsTheEarlierFile)
{
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    const QString earlier = disk.FilePath(QStringLiteral("p.csv"));
    const QByteArray before(22382, 'e');
    ASSERT_TRUE(WriteFileAtomically(earlier, before, nullptr));
    disk.Fill();
    // Below and above the 16 KiB a buffered writer keeps back, and beyond the
    // whole disk.
    for (const qsizetype size : {qsizetype(100), qsizetype(5000), qsizetype(20000), qsizetype(200000)}) {
        SCOPED_TRACE(size);
        QString error;
        EXPECT_FALSE(WriteFileAtomically(earlier, QByteArray(size, 'n'), &error));
        EXPECT_EQ(error.toStdString(), FileErrorText(ENOSPC).toStdString());
        EXPECT_TRUE(Bytes(earlier) == before);
        EXPECT_EQ(Entries(disk.Path()), (QStringList{QStringLiteral("fill"), QStringLiteral("p.csv")}));
    }
}

TEST(AtomicWrite, ReplacesOnlyRegularFilesAndWritesThroughLinks)
{
    QTemporaryDir dir;
    const auto at = [&dir](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    const auto native = [&](const char *name) { return QFile::encodeName(at(name)); };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_EQ(mkfifo(native("pipe"), 0644), 0);
    const bool device = mknod(native("null"), S_IFCHR | 0666, makedev(1, 3)) == 0; // as /dev/null
    QFile real(at("real.png"));
    ASSERT_TRUE(real.open(QIODevice::WriteOnly) && real.write("old") == 3);
    real.close();
    struct Link {
        const char *name, *target;
    } links[] = {{"to-pipe.png", "pipe"},          {"to-link.png", "to-pipe.png"},
                 {"to-null.png", "null"},          {"to-folder.png", "sub"},
                 {"sub/up.png", "../real.png"},    {"to-up.png", "sub/up.png"},
                 {"to-new.png", "sub/new.png"}};
    for (const Link &l : links) ASSERT_EQ(symlink(l.target, native(l.name)), 0) << l.name;

    struct Case {
        const char *path;
        const char *replaced; // the file that gets the bytes; none: refused
        const char *kind;     // what the refused target stays
    } cases[] = {
        {"pipe", nullptr, "p"},         {"to-pipe.png", nullptr, "p"},    {"to-link.png", nullptr, "p"},
        {"to-null.png", nullptr, "c"},  {"to-folder.png", nullptr, "d"},  {"sub", nullptr, "d"},
        {"to-up.png", "real.png", ""},  {"sub/up.png", "real.png", ""},   {"to-new.png", "sub/new.png", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        if (!device && QByteArray(c.path) == "to-null.png") continue;
        const QStringList entriesBefore = Entries(dir.path());
        QString error;
        const bool written = WriteFileAtomically(at(c.path), "new", &error);
        if (c.replaced) {
            EXPECT_TRUE(written) << error.toStdString();
            EXPECT_EQ(Bytes(at(c.replaced)), QByteArray("new"));
            EXPECT_TRUE(QFileInfo(at(c.path)).isSymLink()); // the link stays a link
        } else {
            EXPECT_FALSE(written);
            EXPECT_FALSE(error.isEmpty());
            struct stat st {};
            ASSERT_EQ(stat(native(c.path), &st), 0);
            const char kind = S_ISFIFO(st.st_mode) ? 'p' : S_ISCHR(st.st_mode) ? 'c' : S_ISDIR(st.st_mode) ? 'd' : 'f';
            EXPECT_EQ(kind, c.kind[0]);
            EXPECT_EQ(Entries(dir.path()), entriesBefore); // nothing left behind
        }
        QFile::remove(at("sub/new.png"));
    }
}
