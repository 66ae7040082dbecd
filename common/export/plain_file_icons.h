// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// File icons for the save dialog that never look inside a file.
//
// The toolkit's own provider tells a file's type from its first bytes when
// the name does not: typed into a folder such as /proc, that reads
// /proc/kmsg, which blocks until the kernel logs something, and a pipe or a
// device may block the same way. The dialog's worker thread then never
// returns and the dialog cannot close. Here the icon depends on the kind of
// entry alone, and the type column on the name alone; both come from stat,
// which never blocks on what a file holds.
#pragma once

#include <QFileIconProvider>
#include <QIcon>

namespace rb {

class PlainFileIcons : public QFileIconProvider {
public:
    // Make it in the GUI thread: it takes the style's icons once, since the
    // dialog asks for icons from its worker thread.
    PlainFileIcons();

    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QIcon drive_, folder_, file_;
};

} // namespace rb
