#pragma once

#include "clipboard.h"
#include "common_dialog.h"
#include "font_list.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillamp::test {

// A dialog object whose users are scripted: each Show takes the next answer from its queue
// (nullopt is a cancel) and records the properties it was shown with.
class FakeCommonDialog : public CommonDialog {
public:
    struct Shown {
        std::string kind; // "open" or "color"
        std::string title;
        bool cancelError;
        std::string filter;
        std::int32_t flags;
        std::int32_t color; // the colour the dialog opened on
    };

    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::int32_t>> colorAnswers;
    std::vector<Shown> shown;

    void ShowOpen() override
    {
        record("open");
        const auto answer = next(openAnswers);
        FileName = answer.value_or(std::string());
        if (!answer && CancelError) {
            throw DialogCancelled();
        }
    }

    void ShowColor() override
    {
        record("color");
        const auto answer = next(colorAnswers);
        if (answer) {
            Color = *answer;
        } else if (CancelError) {
            throw DialogCancelled();
        }
    }

private:
    void record(const char* kind)
    {
        shown.push_back({kind, DialogTitle, CancelError, Filter, Flags, Color});
    }

    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty()) {
            throw std::logic_error("dialog shown more often than the test scripted");
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakeFontList : public FontList {
public:
    explicit FakeFontList(QStringList families)
        : families_(std::move(families))
    {
    }
    QStringList Families() const override { return families_; }

private:
    QStringList families_;
};

class FakeClipboard : public Clipboard {
public:
    bool failing = false;
    std::vector<QString> texts;

    void SetText(const QString& text) override
    {
        if (failing) {
            throw std::runtime_error("clipboard busy");
        }
        texts.push_back(text);
    }
};

} // namespace quillamp::test
