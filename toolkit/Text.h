#pragma once
// Text helpers shared by every layer. The program's text type is std::wstring: UTF-16 on
// Windows, code points on Linux; conversions to and from stored bytes go through here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Lower-cases the letters A to Z only; every other character stays as it is.
std::wstring LowerAscii(std::wstring_view text);

// Compares two texts ignoring the case of A to Z only.
bool SameTextAscii(std::wstring_view a, std::wstring_view b);

// The text as UTF-16 little-endian bytes, optionally followed by a terminating NUL.
std::vector<std::uint8_t> ToUtf16Le(std::wstring_view text, bool withNul);

// Decodes UTF-16 little-endian bytes up to the first NUL or the end of the data. An odd last
// byte is ignored; an unpaired surrogate becomes U+FFFD.
std::wstring FromUtf16Le(const std::uint8_t* bytes, std::size_t count);

// The text as UTF-8, for logs and test messages.
std::string ToUtf8(std::wstring_view text);

// Decodes UTF-8; malformed sequences become U+FFFD.
std::wstring FromUtf8(std::string_view text);

} // namespace vantrel
