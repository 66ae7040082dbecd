#include "draw_log.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace rb {

namespace {
std::size_t Mix(std::size_t h, std::uint64_t v)
{
    // Boost's hash_combine on the raw bits: equal operations hash equally.
    return h ^ (std::hash<std::uint64_t>{}(v) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2));
}

std::uint64_t Bits(double d)
{
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}
} // namespace

bool DrawLog::Key::operator==(const Key &o) const
{
    const DrawOp &a = op, &b = o.op;
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.r == b.r && a.start == b.start && a.end == b.end && a.full == b.full &&
           a.color == b.color && a.width == b.width;
}

std::size_t DrawLog::KeyHash::operator()(const Key &k) const
{
    const DrawOp &o = k.op;
    std::size_t h = std::size_t(o.kind) * 31u + std::size_t(o.color) * 7u + std::size_t(o.width);
    for (double d : {o.x1, o.y1, o.x2, o.y2, o.r, o.start, o.end}) h = Mix(h, Bits(d));
    return h;
}

void DrawLog::Clear(Color background)
{
    background_ = background;
    overflowed_ = false;
    ops_.clear();
    live_.clear();
    index_.clear();
}

void DrawLog::Add(const DrawOp &op)
{
    if (overflowed_) return;
    const auto [it, fresh] = index_.try_emplace(Key{op}, ops_.size());
    if (!fresh) {
        live_[it->second] = false;
        it->second = ops_.size();
    } else if (index_.size() > limit_) {
        // Too much to keep: the picture is written out as an image instead.
        ops_.clear();
        live_.clear();
        index_.clear();
        overflowed_ = true;
        return;
    }
    ops_.push_back(op);
    live_.push_back(true);
    if (ops_.size() > 2 * index_.size() + 1024) Compact();
}

void DrawLog::Compact()
{
    std::size_t to = 0;
    for (std::size_t from = 0; from < ops_.size(); ++from) {
        if (!live_[from]) continue;
        ops_[to] = ops_[from];
        index_[Key{ops_[to]}] = to;
        ++to;
    }
    ops_.resize(to);
    live_.assign(to, true);
}

std::vector<DrawOp> DrawLog::Ops() const
{
    std::vector<DrawOp> out;
    out.reserve(index_.size());
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (live_[i]) out.push_back(ops_[i]);
    return out;
}

std::size_t DrawLog::Count(DrawOp::Kind k) const
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (live_[i] && ops_[i].kind == k) ++n;
    return n;
}

} // namespace rb
