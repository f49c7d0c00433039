#pragma once
// Conversion between UTF-8 (the program's internal text) and the Traditional
// Chinese Windows code page the draw files and reports are stored in.
#include <optional>
#include <string>
#include <string_view>

namespace tovrin {

// Decodes CP950 bytes to UTF-8. Bytes that do not decode become U+FFFD, so a
// damaged file never stops the reader.
std::string decodeCp950(std::string_view bytes);

// Encodes UTF-8 to CP950. Returns nothing when some character has no CP950
// form (or the input is not valid UTF-8); the caller reports that.
std::optional<std::string> encodeCp950(std::string_view utf8);

// True when the system can convert to and from CP950 at all.
bool cp950Available();

// Number of Unicode characters in a UTF-8 text (invalid bytes count as one each).
std::size_t utf8Length(std::string_view utf8);

}  // namespace tovrin
