#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# Every source, script and build file says under which licence it may be
# copied: an SPDX line and the copyright line in its first lines (after a
# shebang or an XML declaration). Fails naming each file without them, so
# that a new file cannot slip in unmarked. Build folders (any folder with a
# CMakeCache.txt) and what a package build leaves in debian/ are not sources.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2

missing=0
while IFS= read -r -d '' f; do
    head=$(head -n 4 "$f")
    if ! grep -qE 'SPDX-License-Identifier: (GPL-3\.0-or-later|CC0-1\.0)' <<<"$head" ||
        ! grep -q 'Copyright (C) [0-9]\{4\}.* The Regenbogen authors' <<<"$head"; then
        echo "no licence header: ${f#./}"
        missing=$((missing + 1))
    fi
done < <(find . \( -name .git -o -path ./debian/regenbogen -o -path ./debian/tmp -o -path ./debian/.debhelper \
                   -o -path ./debian/regenbogen-dbgsym -o -type d -exec test -e '{}/CMakeCache.txt' ';' \) -prune \
              -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.bash' -o -name '*.cmake' \
                   -o -name CMakeLists.txt -o -name Makefile -o -name '*.in' -o -name '*.desktop' -o -name '*.svg' \
                   -o -path './scripts/*' -o -path './.ci/*' -o -path ./debian/rules \) -print0)
if [ "$missing" -gt 0 ]; then
    echo "$missing file(s) without the licence header; see README, Licence" >&2
    exit 1
fi
