#include "io/Gbk.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace spanwise {

namespace {

std::optional<std::string> encodeAs(const char* codec, const QString& text) {
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) {
        return std::nullopt;
    }
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

std::optional<std::string> decodeWith(QStringDecoder& decoder, std::string_view bytes) {
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    const QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text.toStdString();
}

std::optional<std::string> decodeAs(const char* codec, std::string_view bytes) {
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    return decodeWith(decoder, bytes);
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::optional<std::string> encodeFileText(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (text.toStdString() != utf8) {
        return std::nullopt; // not valid UTF-8: the text would change on the way
    }
    if (auto gbk = encodeAs("GBK", text)) {
        return gbk;
    }
    return encodeAs("GB18030", text);
}

std::optional<std::string> decodeFileText(std::string_view bytes) {
    if (auto text = decodeAs("GBK", bytes)) {
        return text;
    }
    return decodeAs("GB18030", bytes);
}

// A project's load texts are mostly the few names the editor gives new loads, so the last
// texts decoded on the thread are kept with their bytes.
struct FileTextDecoder::Converters {
    // A converter that met an invalid text stays in error (resetState() does not bring an ICU
    // converter back), so it is opened again for the next text.
    std::optional<QStringDecoder> gbk;
    std::optional<QStringDecoder> gb18030; // only for a text GBK refuses
    static constexpr std::size_t kKept = 8;
    std::array<std::pair<std::string, std::optional<std::string>>, kKept> recent;
    std::size_t recentCount = 0;
    std::size_t nextSlot = 0;
};

FileTextDecoder::Converters& FileTextDecoder::threadConverters() {
    thread_local Converters converters;
    return converters;
}

std::optional<std::string> FileTextDecoder::decode(std::string_view bytes) {
    std::string text;
    if (!decodeInto(bytes, text)) {
        return std::nullopt;
    }
    return text;
}

bool FileTextDecoder::decodeInto(std::string_view bytes, std::string& text) {
    if (isAscii(bytes)) {
        text.assign(bytes); // GBK and GB18030 keep ASCII as it is
        return true;
    }
    Converters& c = threadConverters();
    for (std::size_t n = 0; n < c.recentCount; ++n) {
        if (c.recent[n].first == bytes) {
            if (c.recent[n].second) {
                text = *c.recent[n].second;
            }
            return c.recent[n].second.has_value();
        }
    }
    auto tryCodec = [bytes](std::optional<QStringDecoder>& decoder, const char* codec) {
        if (!decoder) {
            decoder.emplace(codec, QStringConverter::Flag::Stateless);
        }
        std::optional<std::string> decoded = decodeWith(*decoder, bytes);
        if (!decoded) {
            decoder.reset();
        }
        return decoded;
    };
    std::optional<std::string> decoded = tryCodec(c.gbk, "GBK");
    if (!decoded) {
        decoded = tryCodec(c.gb18030, "GB18030");
    }
    const bool valid = decoded.has_value();
    if (valid) {
        text = *decoded;
    }
    c.recent[c.nextSlot] = {std::string(bytes), std::move(decoded)};
    c.nextSlot = (c.nextSlot + 1) % Converters::kKept;
    c.recentCount = std::min(c.recentCount + 1, Converters::kKept);
    return valid;
}

} // namespace spanwise
