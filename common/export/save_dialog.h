// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The save dialog of the windows: the toolkit's own file dialog (it speaks
// the toolkit's language on every desktop) that never stands in the way of
// closing the program.
//
// It is shown without modality, beside its window: a modal window makes the
// toolkit drop the window manager's close of every window it blocks, so a
// user could not close the program while a dialog was open. For the same
// reason the question before replacing a file is our own box without an
// event loop of its own, where the toolkit's would block every window.
// Its file icons never read a file (plain_file_icons.h).
#pragma once

#include <QFileDialog>
#include <QPointer>

class QMessageBox;

namespace rb {

class SaveDialog : public QFileDialog {
    Q_OBJECT
public:
    SaveDialog(QWidget *window, const QString &caption, const QString &folder);

public slots:
    // Accepts at once when the chosen file is new; otherwise asks first.
    void accept() override;

private:
    void AskToReplace(const QString &path);

    QPointer<QMessageBox> question_;
    // The name the user agreed to replace.
    QString confirmed_;
};

} // namespace rb
