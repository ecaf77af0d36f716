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

// decodeFileText() for the many texts of the files a thread reads: plain ASCII is taken as it
// is, a text seen lately is taken from the texts already decoded, and the converters are
// opened once for each thread, on the first text that needs them (opening one costs more than
// reading a whole project). Each thread has its own; nothing is shared between threads.
class FileTextDecoder {
public:
    // The same as decodeFileText(bytes).
    std::optional<std::string> decode(std::string_view bytes);
    // The same into text; false (text unspecified) where decodeFileText() gives nothing.
    bool decodeInto(std::string_view bytes, std::string& text);

private:
    struct Converters;
    static Converters& threadConverters();
};

} // namespace spanwise
