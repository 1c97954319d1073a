#include "form1.h"
#include "qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quillamp::Form1 window({std::make_unique<quillamp::QtCommonDialog>(),
                            std::make_unique<quillamp::QtFontList>(),
                            std::make_unique<quillamp::QtClipboard>()});
    window.show();
    return QApplication::exec();
}
