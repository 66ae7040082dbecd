// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/save_dialog.h"

#include "common/export/plain_file_icons.h"

#include <QFileInfo>
#include <QMessageBox>

namespace rb {

SaveDialog::SaveDialog(QWidget *window, const QString &caption, const QString &folder)
    : QFileDialog(window, caption, folder)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setWindowModality(Qt::NonModal);
    auto *icons = new PlainFileIcons;
    setIconProvider(icons);
    // The file model asks for icons from its worker thread until the model
    // is gone, and the model goes with the children, after this object's
    // own destructor: only then can the icons go.
    connect(this, &QObject::destroyed, [icons] { delete icons; });
}

void SaveDialog::accept()
{
    const QString path = selectedFiles().value(0);
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || !info.exists() || path == confirmed_) {
        QFileDialog::accept();
        return;
    }
    AskToReplace(path);
}

void SaveDialog::AskToReplace(const QString &path)
{
    if (question_) {
        question_->raise();
        question_->activateWindow();
        return;
    }
    question_ = new QMessageBox(QMessageBox::Question, tr("Datei ersetzen"),
                                tr("„%1“ gibt es schon.\nSoll sie ersetzt werden?").arg(QFileInfo(path).fileName()),
                                QMessageBox::Yes | QMessageBox::No, this);
    question_->setDefaultButton(QMessageBox::No);
    question_->setAttribute(Qt::WA_DeleteOnClose);
    connect(question_, &QMessageBox::finished, this, [this, path](int answer) {
        // The user may have chosen another name meanwhile: that one is asked
        // about when it is accepted.
        if (answer != QMessageBox::Yes || selectedFiles().value(0) != path) return;
        confirmed_ = path;
        QFileDialog::accept();
    });
    // A message box is modal unless told otherwise, and open() would make
    // it window-modal.
    question_->setWindowModality(Qt::NonModal);
    question_->show();
}

} // namespace rb
