#pragma once
// What the fuzz targets share: a property check that aborts with its reason (libFuzzer then
// reports a finding and keeps the input), and the split of one input into several files.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace vakrel::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "property broken at %s:%d: %s\n", file, line, what);
    std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Inputs that stand for several files hold them one after the other, separated by this line.
// fuzz/make-seeds.sh builds the seeds of such targets from examples/ with the same separator.
inline constexpr std::string_view kPartSeparator = "\n--8<--\n";

// The first `count` parts of `input`; missing parts are empty, the last part takes the rest.
inline std::vector<std::string_view> SplitParts(std::string_view input, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        auto at = input.find(kPartSeparator);
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + kPartSeparator.size());
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

}  // namespace vakrel::fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::vakrel::fuzz::Fail(#condition, __FILE__, __LINE__))
