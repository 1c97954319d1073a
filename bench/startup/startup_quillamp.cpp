// Quillamp's start-up as ui/main.cpp does it, up to the window's first painted frame. The
// display check is left out: it only reads the environment, and the benchmark always has one.
#include "first_paint.h"
#include "form1.h"
#include "identity.h"
#include "qt_platform.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    quillamp::SetApplicationIdentity();

    quillamp::Form1 window({std::make_unique<quillamp::QtCommonDialog>(),
                            std::make_unique<quillamp::QtFontList>(),
                            std::make_unique<quillamp::QtClipboard>()});
    const startup::QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}
