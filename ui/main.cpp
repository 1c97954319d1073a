#include "display_check.h"
#include "form1.h"
#include "identity.h"
#include "qt_platform.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Without a display Qt prints a page of messages and aborts; say it in one line instead.
    const quillamp::DisplaySetting display = quillamp::currentDisplaySetting(argc, argv);
    if (const auto message = quillamp::missingDisplayMessage(display)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return quillamp::kNoDisplayExitStatus;
    }

    quillamp::PlatformStartGuard guard(display);
    QApplication app(argc, argv);
    guard.release();

    quillamp::SetApplicationIdentity();

    quillamp::Form1 window({std::make_unique<quillamp::QtCommonDialog>(),
                            std::make_unique<quillamp::QtFontList>(),
                            std::make_unique<quillamp::QtClipboard>()});
    window.show();
    return QApplication::exec();
}
