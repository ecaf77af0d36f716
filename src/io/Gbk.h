// The load texts of a project file are stored in the Chinese ANSI code page (GBK, code page
// 936); GB18030, its superset, is accepted as well. Texts in the program are UTF-8.
#pragma once

#include <memory>
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

// decodeFileText() for the many texts of one file: plain ASCII is taken as it is, a text seen
// before is taken from the texts already decoded, and the converters are opened once, on the
// first text that needs them. Not for use by two threads at once.
class FileTextDecoder {
public:
    FileTextDecoder();
    ~FileTextDecoder();
    FileTextDecoder(const FileTextDecoder&) = delete;
    FileTextDecoder& operator=(const FileTextDecoder&) = delete;

    // The same as decodeFileText(bytes).
    std::optional<std::string> decode(std::string_view bytes);

private:
    struct Converters;
    std::unique_ptr<Converters> m_converters;
};

} // namespace spanwise
