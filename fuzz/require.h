#pragma once
// A property of a fuzz target that must hold for every input: when it does
// not, the property and the text it failed on are printed and the run stops.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kelvora::fuzz {

inline void Require(bool condition, const char* what, std::string_view text)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s for \"%.*s\"\n", what,
                     static_cast<int>(text.size()), text.data());
        std::abort();
    }
}

}  // namespace kelvora::fuzz
