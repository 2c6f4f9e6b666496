// The numbered interface texts as data: one entry per id, in id order.
#pragma once

#include <span>

namespace vekora {

struct LocalTextEntry {
    int id;
    const wchar_t* chinese;
    const wchar_t* english;
};

std::span<const LocalTextEntry> LocalTextTable();

}  // namespace vekora
