#pragma once

#include "fake_platform.h"
#include "form1.h"

#include <QTest>
#include <QWidget>

#include <memory>

namespace quillamp::test {

// A window on scripted services; the fakes stay reachable for the test.
struct Window {
    FakeCommonDialog* dialog = nullptr;
    FakeClipboard* clipboard = nullptr;
    std::unique_ptr<Form1> form;

    static QStringList DefaultFonts()
    {
        return {"Arial", "Courier New", "Garamond", "Georgia", "Helvetica", "Tahoma", "Verdana"};
    }

    explicit Window(const QStringList& fonts = DefaultFonts())
    {
        auto fakeDialog = std::make_unique<FakeCommonDialog>();
        auto fakeClipboard = std::make_unique<FakeClipboard>();
        dialog = fakeDialog.get();
        clipboard = fakeClipboard.get();
        form = std::make_unique<Form1>(PlatformServices{std::move(fakeDialog),
                                                        std::make_unique<FakeFontList>(fonts),
                                                        std::move(fakeClipboard)});
    }

    // Without a window manager (a bare X server) nothing activates a new window by itself.
    bool showActive() const
    {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) {
            return false;
        }
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    template <typename T> T* control(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
};

} // namespace quillamp::test
