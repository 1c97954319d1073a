#pragma once

#include <QString>

namespace quillamp {

class Clipboard {
public:
    Clipboard() = default;
    virtual ~Clipboard() = default;
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;
    Clipboard(Clipboard&&) = delete;
    Clipboard& operator=(Clipboard&&) = delete;

    // Replaces the clipboard's contents with plain text. May throw; callers decide.
    virtual void SetText(const QString& text) = 0;
};

} // namespace quillamp
