// Bytes and numbers handed to the page's script as typed arrays of their
// own (a Uint8Array, a Float64Array), copied out of the wasm's memory, so
// that they stay valid whatever the core does next.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace lodarix::web {

inline emscripten::val bytesOf(const std::string& bytes)
{
    return emscripten::val(emscripten::typed_memory_view(
                               bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<emscripten::val>("slice");
}

inline emscripten::val numbersOf(const std::vector<double>& numbers)
{
    return emscripten::val(emscripten::typed_memory_view(numbers.size(), numbers.data()))
        .call<emscripten::val>("slice");
}

} // namespace lodarix::web
