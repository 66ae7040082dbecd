// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Copy and save for a window: Ctrl+C puts the window's picture, as seen, on
// the clipboard (a text box with selected text copies its text instead);
// Ctrl+S opens the toolkit's save dialog offering PNG, SVG and, where the
// window has numbers behind it, CSV.
//
// A file is written under a temporary name and renamed over the target only
// once it is complete (atomic_write.h), so a failed save (folder not
// writable, disk full) leaves an earlier file as it was; the failure is shown
// in a message box.
#pragma once

#include "common/export/atomic_write.h"

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QFileDialog;
class QWidget;

namespace rb {

enum class SaveFormat { Png, Svg, Csv, Unknown };

// The format a file name asks for by its extension, case-insensitive.
SaveFormat FormatOfPath(const QString &path);

class WindowSaver : public QObject {
    Q_OBJECT
public:
    // The CSV table of the window, empty for windows without numbers.
    using CsvSource = std::function<QByteArray()>;

    // Adds the two shortcuts to window. baseName names the suggested file.
    WindowSaver(QWidget *window, QString baseName, CsvSource csv = {});

    bool OffersCsv() const { return bool(csv_); }
    // The bytes a save in this format writes.
    QByteArray Content(SaveFormat format) const;

    void CopyToClipboard();
    // Opens the save dialog; the save happens when the user accepts it.
    void OpenSaveDialog();
    QFileDialog *Dialog() const { return dialog_; }
    // Saves in the format of the extension; says so in a message box and
    // returns false when it fails.
    bool SaveTo(const QString &path);
    // The same without the message box: the reason goes to *error.
    bool Write(const QString &path, QString *error) const;

    QAction *CopyAction() const { return copy_; }
    QAction *SaveAction() const { return save_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Accepted(const QString &path, const QString &filter);
    void ShowFailure(const QString &path, const QString &reason);

    QWidget *window_;
    QString baseName_;
    CsvSource csv_;
    QAction *copy_;
    QAction *save_;
    QFileDialog *dialog_ = nullptr;
    QString folder_;
};

} // namespace rb
