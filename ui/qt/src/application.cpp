#include "qt_ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "proporcia.xpm"

namespace qt_ui {

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("proporcia"));
    QApplication::setApplicationVersion(QStringLiteral(PROPORCIA_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    // Lets Wayland shells and X11 desktops match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(PROPORCIA_APP_ID));
    // Qt's own texts, such as the transcript's context menu, in Bulgarian like the rest of the
    // window, where the translations are installed.
    auto* qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral("qtbase_bg"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
}

QIcon applicationIcon() { return QIcon(QPixmap(proporcia_xpm)); }

}  // namespace qt_ui
