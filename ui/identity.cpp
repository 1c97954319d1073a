#include "identity.h"

#include <QApplication>
#include <QIcon>

namespace quillamp {

void SetApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Quillamp"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLAMP_VERSION));
    // The desktop matches the window to its entry, and so to the entry's icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLAMP_APP_ID));
    // The bundled copy of the theme's icon: looking it up in the icon theme would read the
    // whole hicolor index at every start.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" QUILLAMP_APP_ID ".svg")));
}

} // namespace quillamp
