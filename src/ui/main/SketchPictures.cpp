#include "ui/main/SketchPictures.h"

#include <QPainter>
#include <QStringLiteral>
#include <QSvgRenderer>

#include <stdexcept>

namespace spanwise {

int sketchNumber(SketchSupport support, int kind) {
    if (!isLoadKind(kind)) {
        return 0;
    }
    // concentrated, uniform, trapezoidal, partial uniform, linear, concentrated moment
    static constexpr int both[] = {117, 104, 105, 118, 121, 124};
    static constexpr int freeLeft[] = {109, 110, 111, 119, 122, 125};
    static constexpr int freeRight[] = {112, 113, 114, 120, 123, 126};
    switch (support) {
    case SketchSupport::FreeLeft:
        return freeLeft[kind];
    case SketchSupport::FreeRight:
        return freeRight[kind];
    default:
        return both[kind];
    }
}

QPixmap svgPixmap(const QString& resource, qreal ratio, QSize size, const QColor& ground) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        throw std::runtime_error("missing picture resource: " + resource.toStdString());
    }
    if (size.isEmpty()) {
        size = renderer.defaultSize();
    }
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(ground);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QPixmap sketchPixmap(int number, qreal devicePixelRatio) {
    return svgPixmap(QStringLiteral(":/sketches/%1.svg").arg(number), devicePixelRatio);
}

QPixmap bannerPixmap(qreal devicePixelRatio) {
    return svgPixmap(QStringLiteral(":/banner.svg"), devicePixelRatio);
}

} // namespace spanwise
