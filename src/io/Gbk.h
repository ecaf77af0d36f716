// The load texts of a project file are stored in the Chinese ANSI code page (GBK, code page
// 936); GB18030, its superset, is accepted as well. Texts in the program are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spanwise {

// GBK bytes of a UTF-8 text, or GB18030 bytes when GBK cannot encode it; nothing when neither
// can (invalid UTF-8 included).
std::optional<std::string> encodeFileText(std::string_view utf8);

// UTF-8 of file text bytes read as GBK, else as GB18030; nothing when both find an invalid or
// truncated sequence.
std::optional<std::string> decodeFileText(std::string_view bytes);

} // namespace spanwise
