// The fields of a project file as its reader takes them: split at commas and line ends, with
// the line each is on, and the failure that names a line and a reason.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace spanwise::project_fields {

struct Failure {
    int line;
    std::string reason;
};

[[noreturn]] inline void fail(int line, std::string reason) {
    throw Failure{line, std::move(reason)};
}

struct Field {
    std::string_view text; // blanks around it and the quotes removed
    int line = 0;
    bool quoted = false;
    bool commaFollows = false;
};

// Splits the bytes into fields, separated by commas or line ends (CR LF, LF or a lone CR).
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next field. At the start of a record (afterComma false) blank lines are skipped and
    // the end of the file gives nothing; right after a comma the field may be empty.
    std::optional<Field> next(bool afterComma) {
        Field field;
        if (!read(afterComma, field)) {
            return std::nullopt;
        }
        return field;
    }

    // The same into field; false at the end of the file.
    bool read(bool afterComma, Field& field) {
        // the scan works on locals: a position kept in the object would be stored on every byte
        const char* const data = m_bytes.data();
        const std::size_t size = m_bytes.size();
        std::size_t p = m_pos;
        auto skipBlanks = [&] {
            while (p < size && isBlank(data[p])) {
                ++p;
            }
        };
        auto atLineEnd = [&] { return p < size && (data[p] == '\r' || data[p] == '\n'); };
        auto consumeLineEnd = [&] {
            if (data[p] == '\r' && p + 1 < size && data[p + 1] == '\n') {
                ++p;
            }
            ++p;
            ++m_line;
        };
        skipBlanks();
        if (!afterComma) {
            while (atLineEnd()) {
                consumeLineEnd();
                skipBlanks();
            }
            if (p >= size) {
                m_pos = p;
                return false;
            }
        }
        field.line = m_line;
        field.quoted = false;
        field.commaFollows = false;
        if (p < size && data[p] == '"') {
            const std::size_t open = ++p;
            while (p < size && data[p] != '"' && data[p] != '\r' && data[p] != '\n') {
                ++p;
            }
            if (p >= size || data[p] != '"') {
                fail(m_line, "引号没有闭合");
            }
            field.text = std::string_view(data + open, p - open);
            field.quoted = true;
            ++p;
            skipBlanks();
            if (p < size && !atLineEnd() && data[p] != ',') {
                fail(m_line, "引号后面有多余的字符");
            }
        } else {
            const std::size_t start = p;
            while (p < size && data[p] != ',' && data[p] != '\r' && data[p] != '\n') {
                ++p;
            }
            std::size_t end = p;
            while (end > start && isBlank(data[end - 1])) {
                --end;
            }
            field.text = std::string_view(data + start, end - start);
        }
        if (p < size && data[p] == ',') {
            ++p;
            field.commaFollows = true;
        } else if (atLineEnd()) {
            consumeLineEnd();
        }
        m_pos = p;
        return true;
    }

    int line() const { return m_line; }

    // Number of fields on a line as the user sees it: commas outside quotes plus one.
    int fieldsOnLine(int line) const {
        std::size_t p = lineStart(line);
        int commas = 0;
        bool inQuotes = false;
        bool blank = true;
        for (; p < m_bytes.size() && m_bytes[p] != '\r' && m_bytes[p] != '\n'; ++p) {
            const char c = m_bytes[p];
            blank = blank && isBlank(c);
            if (c == '"') {
                inQuotes = !inQuotes;
            } else if (c == ',' && !inQuotes) {
                ++commas;
            }
        }
        return blank ? 0 : commas + 1;
    }

private:
    // Where a line starts, found again only for a message: line ends as consumeLineEnd() takes
    // them.
    std::size_t lineStart(int line) const {
        std::size_t p = 0;
        for (int n = 1; n < line && p < m_bytes.size(); ++n) {
            while (p < m_bytes.size() && m_bytes[p] != '\r' && m_bytes[p] != '\n') {
                ++p;
            }
            if (p < m_bytes.size()) {
                p += m_bytes[p] == '\r' && p + 1 < m_bytes.size() && m_bytes[p + 1] == '\n' ? 2 : 1;
            }
        }
        return p;
    }

    static bool isBlank(char c) { return c == ' ' || c == '\t'; }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    int m_line = 1;
};

} // namespace spanwise::project_fields
