#include "ui/main/SketchPictures.h"

#include <QPainter>
#include <QStringLiteral>
#include <QSvgRenderer>

#include <stdexcept>

namespace spanwise {

int sketchNumber(SketchSupport support, int kind) {
    if (kind < 0 || kind > 2) {
        return 0;
    }
    //                      concentrated, uniform, trapezoidal
    static constexpr int both[] = {117, 104, 105};
    static constexpr int freeLeft[] = {109, 110, 111};
    static constexpr int freeRight[] = {112, 113, 114};
    switch (support) {
    case SketchSupport::FreeLeft:
        return freeLeft[kind];
    case SketchSupport::FreeRight:
        return freeRight[kind];
    default:
        return both[kind];
    }
}

namespace {

QPixmap render(const QString& resource, qreal ratio) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        // the pictures are part of the program
        throw std::runtime_error("missing picture resource: " + resource.toStdString());
    }
    const QSize size = renderer.defaultSize();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

QPixmap sketchPixmap(int number, qreal devicePixelRatio) {
    return render(QStringLiteral(":/sketches/%1.svg").arg(number), devicePixelRatio);
}

QPixmap bannerPixmap(qreal devicePixelRatio) {
    return render(QStringLiteral(":/banner.svg"), devicePixelRatio);
}

} // namespace spanwise
