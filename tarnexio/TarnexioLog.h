// The call log of libTarnexio.so, written when TARNEXIO_LOG names a file: one JSON object per
// call, appended as the call happens.
//   {"t": <ms since the library was loaded>, "fn": "<export name>",
//    "args": [<integer arguments, handle omitted>], "data": "<hex of the buffer argument>"}
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace tarnexio {

void LogCall(const char* fn, std::initializer_list<long long> args,
             const std::uint8_t* data = nullptr, std::size_t size = 0);

}  // namespace tarnexio
