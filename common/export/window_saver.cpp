// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/window_saver.h"

#include "common/export/save_dialog.h"
#include "common/export/window_export.h"
#include "common/widgets/event_loop.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

namespace rb {

namespace {

struct FormatInfo {
    SaveFormat format;
    const char *suffix;
};
constexpr FormatInfo kFormats[] = {
    {SaveFormat::Png, "png"}, {SaveFormat::Svg, "svg"}, {SaveFormat::Csv, "csv"}};

QString Suffix(SaveFormat f)
{
    for (const FormatInfo &i : kFormats)
        if (i.format == f) return QLatin1String(i.suffix);
    return QString();
}

QByteArray PngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

SaveFormat FormatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatInfo &i : kFormats)
        if (suffix == QLatin1String(i.suffix)) return i.format;
    return SaveFormat::Unknown;
}

WindowSaver::WindowSaver(QWidget *window, QString baseName, CsvSource csv)
    : QObject(window), window_(window), baseName_(std::move(baseName)), csv_(std::move(csv))
{
    copy_ = new QAction(tr("Bild kopieren"), window);
    copy_->setShortcut(QKeySequence::Copy);
    copy_->setShortcutContext(Qt::WindowShortcut);
    connect(copy_, &QAction::triggered, this, &WindowSaver::CopyToClipboard);
    window->addAction(copy_);

    save_ = new QAction(tr("Speichern unter …"), window);
    save_->setShortcut(QKeySequence::Save);
    save_->setShortcutContext(Qt::WindowShortcut);
    connect(save_, &QAction::triggered, this, &WindowSaver::OpenSaveDialog);
    window->addAction(save_);

    // A text box takes Ctrl+C for itself; let it only when it has text
    // selected, so that otherwise the window's picture is copied.
    for (QLineEdit *e : window->findChildren<QLineEdit *>()) e->installEventFilter(this);
    folder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder_.isEmpty()) folder_ = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

bool WindowSaver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const auto *edit = qobject_cast<QLineEdit *>(watched);
        if (edit && key->matches(QKeySequence::Copy) && !edit->hasSelectedText()) {
            key->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QByteArray WindowSaver::Content(SaveFormat format) const
{
    switch (format) {
    case SaveFormat::Png:
        return PngBytes(WindowImage(window_));
    case SaveFormat::Svg:
        return WindowSvg(window_);
    case SaveFormat::Csv:
        return csv_ ? csv_() : QByteArray();
    case SaveFormat::Unknown:
        break;
    }
    return QByteArray();
}

void WindowSaver::CopyToClipboard() { QApplication::clipboard()->setImage(WindowImage(window_)); }

void WindowSaver::OpenSaveDialog()
{
    if (dialog_) {
        dialog_->raise();
        return;
    }
    QStringList filters{tr("PNG-Bild (*.png)"), tr("SVG-Zeichnung (*.svg)")};
    if (csv_) filters << tr("CSV-Tabelle (*.csv)");
    // The toolkit's own dialog, so it speaks the language of the toolkit's
    // translations on every desktop.
    dialog_ = new SaveDialog(window_, tr("Speichern unter"), folder_);
    dialog_->setNameFilters(filters);
    dialog_->selectFile(baseName_ + QStringLiteral(".png"));
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QFileDialog::filterSelected, dialog_, [this](const QString &filter) {
        // Keep the typed name, give it the chosen format's extension.
        const int i = dialog_->nameFilters().indexOf(filter);
        const QString name = QFileInfo(dialog_->selectedFiles().value(0)).completeBaseName();
        if (i >= 0 && !name.isEmpty()) dialog_->selectFile(name + QLatin1Char('.') + Suffix(kFormats[i].format));
    });
    connect(dialog_, &QFileDialog::accepted, this,
            [this] { Accepted(dialog_->selectedFiles().value(0), dialog_->selectedNameFilter()); });
    connect(dialog_, &QObject::destroyed, this, [this] { dialog_ = nullptr; });
    // Not open(): that would make it window-modal (save_dialog.h).
    dialog_->show();
}

void WindowSaver::Accepted(const QString &chosen, const QString &filter)
{
    // The window's close ends the program while the dialog may still be
    // finishing: nothing is saved any more then.
    if (chosen.isEmpty() || EndRequested()) return;
    QString path = chosen;
    SaveFormat format = FormatOfPath(path);
    const QString suffix = QFileInfo(path).suffix();
    if (format == SaveFormat::Unknown && suffix.isEmpty()) {
        // No extension typed: the chosen filter decides.
        const int i = dialog_ ? dialog_->nameFilters().indexOf(filter) : 0;
        path += QLatin1Char('.') + Suffix(kFormats[std::max(0, i)].format);
    } else if (format == SaveFormat::Unknown || (format == SaveFormat::Csv && !csv_)) {
        // An extension the window does not offer: said so, rather than
        // writing a file of another kind under a name such as "start.csv.png".
        ShowFailure(path, csv_ ? tr("die Endung „.%1“ bietet dieses Fenster nicht an; es speichert PNG, SVG und CSV.")
                                     .arg(suffix)
                               : tr("die Endung „.%1“ bietet dieses Fenster nicht an; es speichert PNG und SVG.")
                                     .arg(suffix));
        return;
    }
    folder_ = QFileInfo(path).absolutePath();
    SaveTo(path);
}

bool WindowSaver::Write(const QString &path, QString *error) const
{
    const SaveFormat format = FormatOfPath(path);
    if (format == SaveFormat::Unknown || (format == SaveFormat::Csv && !csv_)) {
        if (error) *error = tr("Dieses Format kann das Fenster nicht speichern.");
        return false;
    }
    return WriteFileAtomically(path, Content(format), error);
}

bool WindowSaver::SaveTo(const QString &path)
{
    QString error;
    if (Write(path, &error)) return true;
    ShowFailure(path, error);
    return false;
}

void WindowSaver::ShowFailure(const QString &path, const QString &reason)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Speichern fehlgeschlagen"),
                                tr("Die Datei „%1“ wurde nicht gespeichert.").arg(QDir::toNativeSeparators(path)),
                                QMessageBox::Ok, window_);
    // The reasons are phrases for after a colon; here one stands alone.
    QString sentence = reason;
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    box->setInformativeText(sentence);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Without modality, as the save dialog (save_dialog.h): a modal box
    // would keep the window manager from closing the window. A message box
    // is modal unless told otherwise.
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace rb
