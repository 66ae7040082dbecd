// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace rb {

#if defined(__x86_64__) || defined(__i386__)
namespace {
const bool hasAvx = __builtin_cpu_supports("avx");

__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }
} // namespace

void ClearUpperVectorState()
{
    if (hasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif

} // namespace rb
