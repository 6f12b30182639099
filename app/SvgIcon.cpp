#include "SvgIcon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace taldor::app {

QPixmap SvgPixmap(const QString& resource, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return pixmap;
    QSizeF fitted = QSizeF(renderer.defaultSize()).scaled(QSizeF(size), Qt::KeepAspectRatio);
    QRectF target(
        QPointF((size.width() - fitted.width()) / 2.0, (size.height() - fitted.height()) / 2.0),
        fitted);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    return pixmap;
}

QIcon SvgIcon(const QString& resource) {
    QIcon icon;
    for (int side : {16, 24, 32, 48}) icon.addPixmap(SvgPixmap(resource, QSize(side, side)));
    return icon;
}

}  // namespace taldor::app
