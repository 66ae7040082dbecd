// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/runtime_folder.h"

#include <QtGlobal>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace rb {

bool UsableRuntimeFolder(const QByteArray &path)
{
    struct stat st {};
    if (path.isEmpty() || stat(path.constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 0777) == 0700;
}

QByteArrayList RuntimeFolderBases()
{
    QByteArrayList candidates;
    if (!qEnvironmentVariableIsEmpty("TMPDIR")) candidates << qgetenv("TMPDIR");
    candidates << QByteArray("/tmp");
    if (!qEnvironmentVariableIsEmpty("XDG_CACHE_HOME")) candidates << qgetenv("XDG_CACHE_HOME");
    if (!qEnvironmentVariableIsEmpty("HOME")) candidates << qgetenv("HOME") + "/.cache";

    QByteArrayList bases;
    for (const QByteArray &c : candidates) {
        // A relative name would depend on where the program was started.
        if (!c.startsWith('/')) continue;
        char real[PATH_MAX];
        if (realpath(c.constData(), real) == nullptr) continue;
        struct stat st {};
        if (stat(real, &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        const QByteArray base(real);
        if (base == "/" || bases.contains(base)) continue;
        bases << base;
    }
    return bases;
}

} // namespace rb
