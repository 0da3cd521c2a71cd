#pragma once

#include <string>
#include <string_view>

namespace marvane {

// UTF-16 with a byte-order mark, as some Windows editors save a file, is read as UTF-8 (its mark
// becoming UTF-8's, which the INI text skips) and written back as it came. Anything else is
// bytes, taken as they are.
enum class TextEncoding { Bytes, Utf16Le, Utf16Be };

TextEncoding encodingOf(std::string_view bytes);
std::string toUtf8(std::string_view bytes, TextEncoding encoding);
std::string fromUtf8(std::string_view utf8, TextEncoding encoding);

} // namespace marvane
