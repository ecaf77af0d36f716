#include "io/Gbk.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

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

std::optional<std::string> decodeAs(const char* codec, std::string_view bytes) {
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
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

} // namespace spanwise
