// What the project file's reader shares between its parts: a record's fields, the numbers in
// them read with the checks every field gets, and fields quoted in messages.
#pragma once

#include "io/DecimalNumber.h"
#include "io/FieldReader.h"
#include "io/Gbk.h"

#include <QList>
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

namespace spanwise::project_fields {

// A field as the error shows it: decoded like a load text (plain ASCII stays as it is), at most
// 24 characters, "?" for bytes no Chinese code page knows.
inline std::string quote(std::string_view text) {
    constexpr int kShown = 24;
    std::string shown;
    if (auto decoded = decodeFileText(text)) {
        const QList<uint> characters = QString::fromStdString(*decoded).toUcs4();
        for (qsizetype n = 0; n < characters.size() && n < kShown; ++n) {
            const auto c = static_cast<char32_t>(characters[n]);
            shown += QChar::isPrint(c) ? QString::fromUcs4(&c, 1).toStdString() : "?";
        }
        shown += characters.size() > qsizetype{kShown} ? "…" : "";
    } else {
        for (std::size_t n = 0; n < text.size() && n < std::size_t{kShown}; ++n) {
            const auto c = static_cast<unsigned char>(text[n]);
            shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
        }
        shown += text.size() > std::size_t{kShown} ? "…" : "";
    }
    return "“" + shown + "”";
}

// A record's fields: at most eight, kept in place.
class Record {
public:
    Field& add() { return m_fields[m_size++]; }
    std::size_t size() const { return m_size; }
    const Field& back() const { return m_fields[m_size - 1]; }
    const Field& operator[](std::size_t n) const { return m_fields[n]; }

private:
    std::array<Field, 8> m_fields;
    std::size_t m_size = 0;
};

// What a message calls a value: a literal, or a function that composes the name only when a
// message needs it, so that a good file builds no texts.
template <class Name> std::string nameText(const Name& name) {
    if constexpr (std::is_invocable_v<const Name&>) {
        return name();
    } else {
        return std::string(name);
    }
}

// The whole number in f within lo..hi; nameOf names it in the message (a text or a function
// that makes it).
template <class Name>
inline std::int16_t integer(const Field& f, const Name& nameOf, int lo, int hi) {
    auto name = [&] { return nameText(nameOf); };
    if (f.quoted || f.text.empty()) {
        fail(f.line, name() + (f.text.empty() ? "为空" : quote(f.text) + "不是整数"));
    }
    std::string_view t = f.text;
    if (t.size() > 1 && t[0] == '+' && t[1] != '-') {
        t.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (end != t.data() + t.size() || (ec != std::errc{} && ec != std::errc::result_out_of_range)) {
        fail(f.line, name() + quote(f.text) + "不是整数");
    }
    if (ec == std::errc::result_out_of_range || value < lo || value > hi) {
        fail(f.line, name() + quote(f.text) + "应在 " + std::to_string(lo) + " 到 " +
                         std::to_string(hi) + " 之间");
    }
    return static_cast<std::int16_t>(value);
}

inline float real(const Field& f, const char* name) {
    if (f.quoted || f.text.empty()) {
        fail(f.line, name + (f.text.empty() ? "为空" : quote(f.text) + "不是数值"));
    }
    std::string_view t = f.text;
    if (t.size() > 1 && t[0] == '+' && t[1] != '-') {
        t.remove_prefix(1);
    }
    float value = 0;
    const auto [end, ec] = readFloat(t.data(), t.data() + t.size(), value);
    if (end != t.data() + t.size() || (ec != std::errc{} && ec != std::errc::result_out_of_range)) {
        fail(f.line, name + quote(f.text) + "不是数值");
    }
    if (ec == std::errc::result_out_of_range) {
        fail(f.line, name + quote(f.text) + "超出单精度数的范围");
    }
    if (!std::isfinite(value)) {
        fail(f.line, name + quote(f.text) + "不是有限的数");
    }
    return value;
}

} // namespace spanwise::project_fields
