#pragma once
// Icons and small pictures drawn from the program's SVG resources.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace taldor::app {

// The drawing scaled to fit `size`, keeping its proportions, centred on a transparent ground.
QPixmap SvgPixmap(const QString& resource, const QSize& size);
// An icon with the drawing at the usual menu and tool bar sizes.
QIcon SvgIcon(const QString& resource);

}  // namespace taldor::app
