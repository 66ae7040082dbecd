#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# Keeps the plan of the house: reads every #include of the program code, the
# tests and the benchmarks and fails, naming file and line, where an include
# is not written from the repository root, where a file reaches into a layer
# above its own, where the canvas, the optics or a model includes the
# toolkit, where a window includes another window, where program code
# includes a test header, or where includes run in a cycle.
#
# The layers, from the bottom:
#   common/canvas, optics       plain C++, each on its own
#   <window>/model              a window's model: canvas and optics
#   common/widgets              the toolkit's widgets: canvas
#   common/export               widgets, canvas
#   common/app                  export, widgets, canvas
#   <window>                    its model, common, optics (tavrin/start,
#                               tavrin/raymodel, tavrin/wavemodel, tavrin/sunlight,
#                               prisma, streu)
#   program                     tavrin's navigation and the three mains:
#                               the program's windows and everything below
#   tests, bench                anything
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2

windows="tavrin/start tavrin/raymodel tavrin/wavemodel tavrin/sunlight prisma streu"

# The layer of a file: a word, and for a window or model the window's folder.
layer_of() {
    local f=$1 w
    case $f in
    optics/*) echo optics; return ;;
    common/canvas/*) echo canvas; return ;;
    common/widgets/*) echo widgets; return ;;
    common/export/*) echo export; return ;;
    common/app/*) echo app; return ;;
    tests/* | bench/*) echo test; return ;;
    tavrin/navigation.* | tavrin/main.cpp) echo "program tavrin"; return ;;
    prisma/main.cpp) echo "program prisma"; return ;;
    streu/main.cpp) echo "program streu"; return ;;
    esac
    for w in $windows; do
        case $f in
        "$w"/model/*) echo "model $w"; return ;;
        "$w"/*) echo "window $w"; return ;;
        esac
    done
    echo unknown
}

# Whether a file of layer $1 (window $2) may include a file of layer $3
# (window $4). Prints the reason when not.
refusal() {
    local from=$1 fw=$2 to=$3 tw=$4
    [ "$from" = test ] && return 0
    [ "$to" = test ] && { echo "program code includes a test header"; return; }
    case $from in
    canvas | optics) [ "$to" = "$from" ] && return 0 ;;
    model) { [ "$to" = canvas ] || [ "$to" = optics ] || { [ "$to" = model ] && [ "$tw" = "$fw" ]; }; } && return 0 ;;
    widgets) case $to in widgets | canvas) return 0 ;; esac ;;
    export) case $to in export | widgets | canvas) return 0 ;; esac ;;
    app) case $to in app | export | widgets | canvas) return 0 ;; esac ;;
    window)
        case $to in
        canvas | optics | widgets | export | app) return 0 ;;
        model | window)
            [ "$tw" = "$fw" ] && return 0
            echo "a window includes another window ($tw)"; return ;;
        esac ;;
    program)
        case $to in
        canvas | optics | widgets | export | app | program) return 0 ;;
        model | window) case $tw in "$fw" | "$fw"/*) return 0 ;; esac ;;
        esac ;;
    esac
    echo "${from}${fw:+ ($fw)} includes a layer above its own: ${to}${tw:+ ($tw)}"
}

# The sources: from git where this is a checkout, else every file there.
sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard -- common optics tavrin prisma streu tests bench
    else
        find common optics tavrin prisma streu tests bench -type f
    fi | grep -E '\.(h|cpp)$'
}

failures=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
fail() { echo "$1: $2"; failures=$((failures + 1)); }

while IFS= read -r file; do
    read -r from fw <<<"$(layer_of "$file")"
    [ "$from" = unknown ] && { fail "$file:1" "not in any layer"; continue; }
    while IFS=: read -r line text; do
        if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
            target=${BASH_REMATCH[1]}
            if [ ! -f "$target" ]; then
                fail "$file:$line" "\"$target\" is not written from the repository root"
                continue
            fi
            echo "$file $target" >>"$edges"
            read -r to tw <<<"$(layer_of "$target")"
            reason=$(refusal "$from" "${fw:-}" "$to" "${tw:-}")
            [ -n "$reason" ] && fail "$file:$line" "$reason: \"$target\""
        elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*)[/\>] ]]; then
            case $from in
            canvas | optics | model) fail "$file:$line" "$from code includes the toolkit: <${BASH_REMATCH[1]}>" ;;
            esac
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(sources)

# A cycle of includes: tsort names the files on it.
if ! cycle=$(tsort "$edges" 2>&1 >/dev/null) || [ -n "$cycle" ]; then
    fail "include cycle" "$(echo "$cycle" | grep -v 'input contains a loop' | sed 's/^tsort: //' | tr '\n' ' ')"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) break the plan of the layers"
    exit 1
fi
echo "every include keeps the plan of the layers"
