// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Copy and save as a user does them in the programs' windows: the
// shortcuts, the save dialog and its question before replacing a file, and
// saves that fail, say why and leave an earlier file as it was.
#include "common/export/window_saver.h"
#include "streu/form1.h"
#include "tavrin/start/form3.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/wait.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rb;
using rb::testing::Settle;

namespace {

WindowSaver *SaverOf(QWidget *w) { return w->findChild<WindowSaver *>(); }

class WindowSave : public rb::testing::TavrinWindows {
protected:
    QTemporaryDir dir_;
};

} // namespace

TEST_F(WindowSave, ShortcutsCopyThePictureOrTheSelectedTextAndOpenTheSaveDialog)
{
    streu::Form1 f;
    f.Form_Load();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    ASSERT_TRUE(Settle(&f));
    QApplication::clipboard()->clear();
    QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), f.size() * f.devicePixelRatio());

    f.Text1->setFocus();
    QTest::keyClick(f.Text1, Qt::Key_C, Qt::ControlModifier); // no text selected: the picture
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    f.Text1->selectAll();
    QTest::keyClick(f.Text1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1"));

    QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
    QFileDialog *dialog = SaverOf(&f)->Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters().size(), 3);
    const QString path = dir_.filePath(QStringLiteral("bogen"));
    dialog->selectNameFilter(dialog->nameFilters()[1]); // SVG, without typing the extension
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
    ASSERT_TRUE(QFile::exists(path + QStringLiteral(".svg")));

    // The same name again: asked first, in a box that blocks no window (a
    // modal one would keep the window manager from closing the program).
    QFile earlier(path + QStringLiteral(".svg"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("old") == 3);
    earlier.close();
    // The accepted dialog deletes itself once the event loop runs.
    ASSERT_TRUE(QTest::qWaitFor([&f] { return SaverOf(&f)->Dialog() == nullptr; }, 5000));
    SaverOf(&f)->OpenSaveDialog();
    dialog = SaverOf(&f)->Dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(earlier.fileName());
    QMetaObject::invokeMethod(dialog, "accept");
    auto *question = dialog->findChild<QMessageBox *>();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QFileInfo(earlier.fileName()).size(), 3);
    question->button(QMessageBox::Yes)->click();
    EXPECT_GT(QFileInfo(earlier.fileName()).size(), 3);
}

TEST_F(WindowSave, TheSaveDialogsIconsNeverOpenAFile)
{
    streu::Form1 f;
    f.Form_Load();
    f.show();
    SaverOf(&f)->OpenSaveDialog();
    const QAbstractFileIconProvider *icons = SaverOf(&f)->Dialog()->iconProvider();
    ASSERT_NE(icons, nullptr);
    // A pipe, held open here so that an open for reading would not block the
    // test, and a file whose name does not tell its type, which the toolkit's
    // own icons would read.
    const QByteArray pipe = QFile::encodeName(dir_.filePath(QStringLiteral("pipe")));
    ASSERT_EQ(mkfifo(pipe.constData(), 0644), 0);
    const int held = open(pipe.constData(), O_RDWR | O_NONBLOCK);
    QFile plain(dir_.filePath(QStringLiteral("ohne-endung")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write("\x89PNG\r\n\x1a\n") == 8);
    plain.close();
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(dir_.path()).constData(), IN_OPEN), 0);
    for (const QString &path : {QFile::decodeName(pipe), plain.fileName()}) {
        EXPECT_FALSE(icons->icon(QFileInfo(path)).isNull());
        icons->type(QFileInfo(path));
    }
    QStringList opened;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;)
        for (char *e = events; e < events + n; e += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(e)->len)
            if (reinterpret_cast<inotify_event *>(e)->len) opened << QString::fromLocal8Bit(reinterpret_cast<inotify_event *>(e)->name);
    EXPECT_TRUE(opened.isEmpty()) << "opened: " << opened.join(' ').toStdString();
    close(watch);
    close(held);
}

TEST_F(WindowSave, AFailedSaveSaysSoAndLeavesTheEarlierFile)
{
    tavrin::Form3 &f = tavrin::Navigation::Get().StartForm();
    f.show();
    ASSERT_TRUE(Settle(&f));
    WindowSaver *saver = SaverOf(&f);
    EXPECT_EQ(saver->OffersCsv(), false);

    QFile earlier(dir_.filePath(QStringLiteral("start.png")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    const auto shownAndClosed = [&f](const QString &name) {
        auto *box = f.findChild<QMessageBox *>();
        const bool shown = box && box->isVisible() && box->text().contains(name);
        delete box;
        return shown;
    };

    // A parent folder that is a file: no user, root included, can write there.
    EXPECT_FALSE(saver->SaveTo(dir_.filePath(QStringLiteral("start.png/bild.svg"))));
    EXPECT_TRUE(shownAndClosed(QStringLiteral("bild.svg")));

    // A disk that fills up halfway: a file-size limit makes the write fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved1 = saver->SaveTo(earlier.fileName());
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(saved1);
    EXPECT_TRUE(shownAndClosed(QStringLiteral("start.png")));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
    earlier.close();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("start.png")});

    // Without the limit the same save replaces it with the window's image.
    EXPECT_TRUE(saver->SaveTo(earlier.fileName()));
    const QImage image(earlier.fileName());
    EXPECT_EQ(image.size(), f.size() * f.devicePixelRatio());
    EXPECT_FALSE(saver->SaveTo(dir_.filePath(QStringLiteral("start.csv")))); // no numbers here
    EXPECT_TRUE(shownAndClosed(QStringLiteral("start.csv")));
}
