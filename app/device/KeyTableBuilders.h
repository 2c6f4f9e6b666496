// Compile-time helpers shared by the key tables: tables are written as (from, to) pairs, the
// way they are documented, and turned into dense arrays once, so each lookup is an index.
// Internal to app/device.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace vekora::tables {

struct Pair {
    int from;
    int to;
};

// A dense table of N entries from the pairs; entries without a pair hold `missing`. Fails to
// compile when a pair lies outside the table or names the same `from` twice.
template <std::size_t N, std::size_t M>
consteval std::array<int, N> Dense(const std::array<Pair, M>& pairs, int missing = 0) {
    std::array<int, N> out{};
    std::array<bool, N> seen{};
    for (int& v : out)
        v = missing;
    for (const Pair& p : pairs) {
        if (p.from < 0 || static_cast<std::size_t>(p.from) >= N)
            throw "table entry out of range";
        if (seen[static_cast<std::size_t>(p.from)])
            throw "table entry listed twice";
        seen[static_cast<std::size_t>(p.from)] = true;
        out[static_cast<std::size_t>(p.from)] = p.to;
    }
    return out;
}

// The inverse of a dense table: for each non-zero value v at position i, entry v holds i.
// Position 0 is left out, so a value found only there reads as missing (0). Fails to compile
// when two positions hold the same value.
template <std::size_t N, std::size_t K>
consteval std::array<int, N> DenseInverse(const std::array<int, K>& forward) {
    std::array<int, N> out{};
    std::array<bool, N> seen{};
    for (std::size_t i = 1; i < K; ++i) {
        const int v = forward[i];
        if (v == 0)
            continue;
        if (v < 0 || static_cast<std::size_t>(v) >= N)
            throw "inverse entry out of range";
        if (seen[static_cast<std::size_t>(v)])
            throw "value listed twice; the table has no inverse";
        seen[static_cast<std::size_t>(v)] = true;
        out[static_cast<std::size_t>(v)] = static_cast<int>(i);
    }
    return out;
}

// Entry `index` of a dense table, `missing` outside it.
template <std::size_t N>
constexpr int At(const std::array<int, N>& table, int index, int missing = 0) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? table[static_cast<std::size_t>(index)]
               : missing;
}

}  // namespace vekora::tables
