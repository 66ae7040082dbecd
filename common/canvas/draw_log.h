// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What a picture shows, kept as drawing operations since its last clear, so
// the picture can be written out as a vector drawing.
//
// Operations are kept in the picture's logical pixels as they were placed
// when drawn, so a later change of the user scale does not move them. An
// operation drawn again exactly as before replaces its earlier copy (a
// repaint redraws the same figure over itself and leaves the picture as it
// was); it moves to the end, as it is now on top of what came between.
//
// The log is bounded. A picture that receives more operations than the log
// holds is marked as overflowed and keeps no operations: it is then written
// out as its image instead.
#pragma once

#include "common/canvas/draw_op.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rb {

class DrawLog {
public:
    // Some 100 bytes per operation with its index: about 20 MB at most.
    static constexpr std::size_t kDefaultLimit = 200000;

    explicit DrawLog(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // Starts afresh on a surface filled with `background`.
    void Clear(Color background);
    void Add(const DrawOp &op);

    Color Background() const { return background_; }
    bool Overflowed() const { return overflowed_; }
    // Live operations, oldest first.
    std::vector<DrawOp> Ops() const;
    std::size_t Size() const { return live_; }
    std::size_t Count(DrawOp::Kind k) const;

private:
    // Every drawing call passes through here, hundreds of thousands per
    // sweep: the index is an open-addressing table of slots into ops_, so
    // adding an operation allocates nothing on the common path.
    static std::size_t Hash(const DrawOp &op);
    static bool Same(const DrawOp &a, const DrawOp &b);
    void Rebuild(std::size_t capacity); // drops replaced operations, re-indexes
    std::uint32_t *Find(const DrawOp &op, std::size_t hash);

    std::size_t limit_;
    Color background_ = RGB(255, 255, 255);
    bool overflowed_ = false;
    std::vector<DrawOp> ops_;
    std::vector<bool> alive_;          // false where a later copy replaced it
    std::vector<std::uint32_t> slots_; // 0 empty, else index + 1 into ops_
    std::size_t live_ = 0;
};

} // namespace rb
