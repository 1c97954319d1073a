#pragma once

#include "style_settings.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillamp {

class Clipboard;
class CommonDialog;
class FontList;

// What the window needs from outside: the one dialog object, the installed fonts and the
// clipboard. Tests hand in scripted fakes.
struct PlatformServices {
    std::unique_ptr<CommonDialog> dialog;
    std::unique_ptr<FontList> fonts;
    std::unique_ptr<Clipboard> clipboard;
};

// The program's one window: the text and its style on top, the generated fragment below.
// Control, field and procedure names are the product's own.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(PlatformServices services, QWidget* parent = nullptr);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

    // Applies the settings to txtText: face, size, bold, italic, underline, colour and
    // alignment, in that order.
    void PreviewText();

    // The user's current style choices; the window reads and writes them, and so may anyone:
    // public on purpose, beside the private controls.
    StyleSettings settings; // NOLINT(misc-non-private-member-variables-in-classes)

    // The one dialog object, shared by Browse and Change Color; it keeps its state between uses.
    CommonDialog& dlgCommonDialog1() const { return *services_.dialog; }

private:
    void BuildLayout();
    void Form_Load();
    void LoadFontList();
    void ReadSettings();

    void cmdBrowse_Click();
    void cmdChangeColors_Click();
    void cmdPreview_Click();
    void cmdGenerateCode_Click();
    void cmdCopyCode_Click();

    PlatformServices services_;

    // The controls the procedures use; the frames are reached only through the layout.
    QLabel* lblFileName = nullptr;
    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QLabel* lblWebsite = nullptr;
    QLineEdit* txtWebsite = nullptr;
    QLabel* lblAlignment = nullptr;
    QComboBox* cboAlignment = nullptr;
    QPlainTextEdit* txtText = nullptr;
    QComboBox* cboFont = nullptr;
    QComboBox* cboSize = nullptr;
    QCheckBox* chkBold = nullptr;
    QCheckBox* chkItalic = nullptr;
    QCheckBox* chkUnderlined = nullptr;
    QPushButton* cmdChangeColors = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPlainTextEdit* txtCode = nullptr;
    QPushButton* cmdGenerateCode = nullptr;
    QPushButton* cmdCopyCode = nullptr;
};

} // namespace quillamp
