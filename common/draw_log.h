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

#include "recording_canvas.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace rb {

class DrawLog {
public:
    // About 100 bytes per operation with its index: some 20 MB at most.
    static constexpr std::size_t kDefaultLimit = 200000;

    explicit DrawLog(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // Starts afresh on a surface filled with `background`.
    void Clear(Color background);
    void Add(const DrawOp &op);

    Color Background() const { return background_; }
    bool Overflowed() const { return overflowed_; }
    // Live operations, oldest first.
    std::vector<DrawOp> Ops() const;
    std::size_t Size() const { return index_.size(); }
    std::size_t Count(DrawOp::Kind k) const;

private:
    struct Key {
        DrawOp op;
        bool operator==(const Key &o) const;
    };
    struct KeyHash {
        std::size_t operator()(const Key &k) const;
    };
    void Compact();

    std::size_t limit_;
    Color background_ = RGB(255, 255, 255);
    bool overflowed_ = false;
    std::vector<DrawOp> ops_;
    std::vector<bool> live_;
    std::unordered_map<Key, std::size_t, KeyHash> index_; // live operation -> its slot
};

} // namespace rb
