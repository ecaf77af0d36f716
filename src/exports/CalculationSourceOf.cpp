#include "exports/CalculationSourceOf.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

namespace spanwise {

std::string fileSha256(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) {
        return {};
    }
    return hash.result().toHex().toStdString();
}

CalculationSource calculationSourceOf(const QString& file, bool unsaved) {
    CalculationSource source;
    source.file = file.toStdString();
    if (!file.isEmpty() && !unsaved) {
        source.sha256 = fileSha256(file);
    }
    source.calculatedAt =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    return source;
}

} // namespace spanwise
