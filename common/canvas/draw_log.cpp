// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/canvas/draw_log.h"

#include <cstring>

namespace rb {

namespace {
constexpr std::size_t kSmallTable = 1024;

std::uint64_t Bits(double d)
{
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v)
{
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h;
}
} // namespace

std::size_t DrawLog::Hash(const DrawOp &o)
{
    std::uint64_t h = (std::uint64_t(o.kind) << 40) ^ (std::uint64_t(o.color) << 8) ^ std::uint64_t(o.width);
    h = Mix(h, Bits(o.x1));
    h = Mix(h, Bits(o.y1));
    if (o.kind == DrawOp::Segment) {
        h = Mix(h, Bits(o.x2));
        h = Mix(h, Bits(o.y2));
    } else if (o.kind == DrawOp::Arc) {
        h = Mix(h, Bits(o.r));
        h = Mix(h, Bits(o.start));
        h = Mix(h, Bits(o.end));
    }
    return std::size_t(h ^ (h >> 29));
}

bool DrawLog::Same(const DrawOp &a, const DrawOp &b)
{
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.r == b.r && a.start == b.start && a.end == b.end && a.full == b.full &&
           a.color == b.color && a.width == b.width;
}

void DrawLog::Clear(Color background)
{
    background_ = background;
    overflowed_ = false;
    ops_.clear();
    alive_.clear();
    live_ = 0;
    // A picture cleared after a long run starts again with a small table.
    if (slots_.size() != kSmallTable) slots_.assign(kSmallTable, 0);
    else std::fill(slots_.begin(), slots_.end(), 0);
}

std::uint32_t *DrawLog::Find(const DrawOp &op, std::size_t hash)
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        std::uint32_t &slot = slots_[i];
        if (slot == 0 || Same(ops_[slot - 1], op)) return &slot;
    }
}

void DrawLog::Add(const DrawOp &op)
{
    if (overflowed_) return;
    if (slots_.empty()) slots_.assign(kSmallTable, 0);
    std::uint32_t *slot = Find(op, Hash(op));
    if (*slot != 0) {
        alive_[*slot - 1] = false; // drawn again: the new copy is on top
    } else if (++live_ > limit_) {
        // Too much to keep: the picture is written out as an image instead.
        const Color back = background_;
        Clear(back);
        overflowed_ = true;
        return;
    }
    ops_.push_back(op);
    alive_.push_back(true);
    *slot = std::uint32_t(ops_.size());
    // Keep the table at most half full, and the replaced copies few.
    if (ops_.size() * 2 > slots_.size()) Rebuild(live_ * 4 > slots_.size() ? slots_.size() * 2 : slots_.size());
}

void DrawLog::Rebuild(std::size_t capacity)
{
    std::size_t to = 0;
    for (std::size_t from = 0; from < ops_.size(); ++from)
        if (alive_[from]) ops_[to++] = ops_[from];
    ops_.resize(to);
    alive_.assign(to, true);
    slots_.assign(capacity, 0);
    for (std::size_t i = 0; i < ops_.size(); ++i) *Find(ops_[i], Hash(ops_[i])) = std::uint32_t(i + 1);
}

std::vector<DrawOp> DrawLog::Ops() const
{
    std::vector<DrawOp> out;
    out.reserve(live_);
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (alive_[i]) out.push_back(ops_[i]);
    return out;
}

std::size_t DrawLog::Count(DrawOp::Kind k) const
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (alive_[i] && ops_[i].kind == k) ++n;
    return n;
}

} // namespace rb
