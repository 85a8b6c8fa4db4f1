#include "ui/application.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>

#include "../icons/proporcia.xpm"

namespace ui {

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("proporcia"));
    QApplication::setApplicationVersion(QStringLiteral(PROPORCIA_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
}

QIcon applicationIcon() { return QIcon(QPixmap(proporcia_xpm)); }

}  // namespace ui
