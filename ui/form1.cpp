#include "form1.h"

#include "clipboard.h"
#include "common_dialog.h"
#include "controls.h"
#include "dialog_routines.h"
#include "file_name.h"
#include "font_list.h"
#include "qt_platform.h"
#include "snippet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <charconv>
#include <string_view>
#include <unordered_map>

namespace quillamp {

namespace {

// The layout is drawn in twips; at 96 dots per inch 15 of them make one logical pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int kClientWidth = 9060;
constexpr int kClientHeight = 7665;

enum class Kind { Label, LineEdit, TextBox, Button, ComboBox, Frame, CheckBox };
enum class Face { Regular, Heading, B, I, U, Default };

struct Row {
    const char* name = nullptr;
    Kind kind = Kind::Label;
    const char* container = nullptr; // nullptr: the window itself
    const char* caption = nullptr;
    int left = 0, top = 0, width = 0, height = 0; // twips, from the container's outer corner
    Face face = Face::Regular;
    // What a screen reader says where the caption is a letter, or the label stands apart.
    const char* accessibleName = nullptr;
};

// Every control in tab order. Frames come before what they hold.
constexpr Row kLayout[] = {
    {"lblFileName", Kind::Label, nullptr, "File Name:", 360, 120, 1335, 255, Face::Heading},
    {"txtFileName", Kind::LineEdit, nullptr, "Your Filename goes here", 600, 480, 4815, 375,
     Face::Regular, "File Name"},
    {"cmdBrowse", Kind::Button, nullptr, "B&rowse", 5760, 480, 1215, 375, Face::Regular},
    {"lblWebsite", Kind::Label, nullptr, "Website :", 360, 1080, 855, 375, Face::Heading},
    {"txtWebsite", Kind::LineEdit, nullptr, "http://www.example.com", 600, 1440, 4815, 375,
     Face::Regular, "Website"},
    {"lblAlignment", Kind::Label, nullptr, "Alignment:", 5760, 1080, 1335, 255, Face::Heading},
    {"cboAlignment", Kind::ComboBox, nullptr, "", 6000, 1440, 1215, 360, Face::Regular,
     "Alignment"},
    {"frmText", Kind::Frame, nullptr, "Text:", 240, 2160, 8535, 3015, Face::Heading},
    {"txtText", Kind::TextBox, "frmText", "Your Text", 120, 1560, 6135, 1215, Face::Default,
     "Text"},
    {"frmFont", Kind::Frame, "frmText", "Font :", 120, 360, 2895, 975, Face::Regular},
    {"cboFont", Kind::ComboBox, "frmFont", "", 120, 360, 2655, 360, Face::Regular, "Font"},
    {"frmSize", Kind::Frame, "frmText", "Size :", 3240, 360, 855, 975, Face::Regular},
    {"cboSize", Kind::ComboBox, "frmSize", "", 120, 360, 615, 360, Face::Regular, "Size"},
    {"frmStyle", Kind::Frame, "frmText", "Style :", 4320, 360, 1935, 975, Face::Regular},
    {"chkBold", Kind::CheckBox, "frmStyle", "B", 120, 360, 615, 255, Face::B, "Bold"},
    {"chkItalic", Kind::CheckBox, "frmStyle", "I", 720, 360, 495, 255, Face::I, "Italic"},
    {"chkUnderlined", Kind::CheckBox, "frmStyle", "U", 1320, 360, 495, 255, Face::U, "Underline"},
    {"frmColor", Kind::Frame, "frmText", "Color :", 6480, 360, 1695, 975, Face::Regular},
    {"cmdChangeColors", Kind::Button, "frmColor", "C&hange Color", 120, 360, 1455, 375,
     Face::Regular},
    {"cmdPreview", Kind::Button, "frmText", "&Preview", 6480, 2040, 1695, 375, Face::Regular},
    {"txtCode", Kind::TextBox, nullptr, "", 240, 6120, 8535, 1335, Face::Default, "Generated code"},
    {"cmdGenerateCode", Kind::Button, nullptr, "&Generate Code", 1800, 5400, 2295, 495,
     Face::Regular},
    {"cmdCopyCode", Kind::Button, nullptr, "&Copy Code", 4800, 5400, 2175, 495, Face::Regular},
};

// The layout's face where it is installed; otherwise a narrow face that keeps every caption
// whole at the fixed sizes ("Website :" in bold has 57 pixels).
QFont LayoutFont(Face face)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow")});
    font.setPointSizeF(face == Face::B || face == Face::I || face == Face::U ? 12.0 : 9.75);
    font.setWeight(face == Face::Heading || face == Face::B ? QFont::Bold : QFont::Normal);
    font.setItalic(face == Face::I);
    font.setUnderline(face == Face::U);
    return font;
}

QWidget* CreateControl(const Row& row, QWidget* container)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Label:
        return new QLabel(caption, container);
    case Kind::LineEdit:
        return new QLineEdit(caption, container);
    case Kind::TextBox: {
        auto* box = new QPlainTextEdit(caption, container);
        MakeMultiLineBox(*box);
        return box;
    }
    case Kind::Button:
        return new QPushButton(caption, container);
    case Kind::ComboBox:
        return new QComboBox(container);
    case Kind::Frame:
        return new QGroupBox(caption, container);
    case Kind::CheckBox:
        return new QCheckBox(caption, container);
    }
    return nullptr;
}

// The combo boxes start with nothing selected; start-up picks their items.
void AddFixedItems(QComboBox& box, const QStringList& items)
{
    box.addItems(items);
    box.setCurrentIndex(-1);
}

} // namespace

Form1::Form1(PlatformServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
{
    BuildLayout();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildLayout()
{
    setWindowTitle(QStringLiteral("Quillamp"));
    setFont(LayoutFont(Face::Regular));
    setFixedSize(Px(kClientWidth), Px(kClientHeight));

    std::unordered_map<std::string_view, QWidget*> controls;
    QWidget* previousInTabOrder = nullptr;
    for (const Row& row : kLayout) {
        QWidget* container = row.container ? controls.at(row.container) : this;
        QWidget* control = CreateControl(row, container);
        control->setObjectName(QString::fromUtf8(row.name));
        // Each control gets a complete font of its own, so a bold frame caption does not
        // pass its weight on to what the frame holds.
        control->setFont(LayoutFont(row.face == Face::Default ? Face::Regular : row.face));
        control->setGeometry(Px(row.left), Px(row.top), Px(row.width), Px(row.height));
        if (row.accessibleName != nullptr) {
            control->setAccessibleName(QString::fromUtf8(row.accessibleName));
        }
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previousInTabOrder) {
                setTabOrder(previousInTabOrder, control);
            }
            previousInTabOrder = control;
        }
        controls.emplace(row.name, control);
    }

    const auto find = [&controls]<typename T>(T*& member, const char* name) {
        member = qobject_cast<T*>(controls.at(name));
        Q_ASSERT(member);
    };
    find(lblFileName, "lblFileName");
    find(txtFileName, "txtFileName");
    find(cmdBrowse, "cmdBrowse");
    find(lblWebsite, "lblWebsite");
    find(txtWebsite, "txtWebsite");
    find(lblAlignment, "lblAlignment");
    find(cboAlignment, "cboAlignment");
    find(txtText, "txtText");
    find(cboFont, "cboFont");
    find(cboSize, "cboSize");
    find(chkBold, "chkBold");
    find(chkItalic, "chkItalic");
    find(chkUnderlined, "chkUnderlined");
    find(cmdChangeColors, "cmdChangeColors");
    find(cmdPreview, "cmdPreview");
    find(txtCode, "txtCode");
    find(cmdGenerateCode, "cmdGenerateCode");
    find(cmdCopyCode, "cmdCopyCode");

    AddFixedItems(*cboAlignment, {"None", "Left", "Right", "Center"});
    AddFixedItems(*cboSize, {"1", "2", "3", "4", "5", "6", "7"});

    lblFileName->setBuddy(txtFileName);
    lblWebsite->setBuddy(txtWebsite);
    lblAlignment->setBuddy(cboAlignment);

    connect(cmdBrowse, &QPushButton::clicked, this, &Form1::cmdBrowse_Click);
    connect(cmdChangeColors, &QPushButton::clicked, this, &Form1::cmdChangeColors_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &Form1::cmdPreview_Click);
    connect(cmdGenerateCode, &QPushButton::clicked, this, &Form1::cmdGenerateCode_Click);
    connect(cmdCopyCode, &QPushButton::clicked, this, &Form1::cmdCopyCode_Click);

    txtFileName->setFocus();
}

void Form1::Form_Load()
{
    settings.LongFontColor = 0;
    settings.strFontColor = ColorToHtml(settings.LongFontColor);
    LoadFontList();
    cboAlignment->setCurrentIndex(0);
    cboSize->setCurrentIndex(2);
    // The sixth font; with fewer installed, the last one, and with none, nothing.
    cboFont->setCurrentIndex(std::min(5, cboFont->count() - 1));
    ReadSettings();
    PreviewText();
}

void Form1::LoadFontList()
{
    AddItemsSorted(*cboFont, services_.fonts->Families());
}

void Form1::ReadSettings()
{
    settings.strFontName = cboFont->currentText().toStdString();
    settings.intFontSize = cboSize->currentText().toShort();
    settings.BoolFontBold = chkBold->checkState() == Qt::Checked;
    settings.BoolFontItalic = chkItalic->checkState() == Qt::Checked;
    settings.BoolFontUnderline = chkUnderlined->checkState() == Qt::Checked;
    // "None" and "Left" both preview left; only the fragment tells them apart.
    const int index = cboAlignment->currentIndex();
    const bool none = index <= 0;
    settings.intAlignment = std::to_string(none ? 0 : index - 1);
    settings.strAlignment = none ? std::string() : cboAlignment->currentText().toStdString();
}

void Form1::PreviewText()
{
    // One font change, not five: each setFont lays the box out again with a fresh font.
    QFont font = txtText->font();
    font.setFamily(QString::fromStdString(settings.strFontName));
    font.setPointSizeF(3 * settings.intFontSize + 6);
    font.setBold(settings.BoolFontBold);
    font.setItalic(settings.BoolFontItalic);
    font.setUnderline(settings.BoolFontUnderline);
    txtText->setFont(font);

    QPalette palette = txtText->palette();
    palette.setColor(QPalette::Text, QColorFromColorValue(settings.LongFontColor));
    txtText->setPalette(palette);

    // The field is public text; anything that is not a known code aligns left.
    int code = 0;
    const std::string& text = settings.intAlignment;
    std::from_chars(text.data(), text.data() + text.size(), code);
    SetAlignmentOfEveryLine(*txtText, code);
}

void Form1::cmdBrowse_Click()
{
    const std::string path = BrowseForFile(dlgCommonDialog1());
    if (!path.empty()) {
        txtFileName->setText(QString::fromStdString(FileNameFromPath(path)));
    }
}

void Form1::cmdChangeColors_Click()
{
    settings.LongFontColor = PickColor(dlgCommonDialog1());
    settings.strFontColor = ColorToHtml(settings.LongFontColor);
}

void Form1::cmdPreview_Click()
{
    ReadSettings();
    PreviewText();
}

void Form1::cmdGenerateCode_Click()
{
    ReadSettings();
    const std::string website = txtWebsite->text().toStdString();
    const std::string fileName = txtFileName->text().toStdString();
    const std::string text = TextOf(*txtText).toStdString();
    txtCode->setPlainText(
        QString::fromStdString(ComposeSnippet(settings, website, fileName, text)));
}

void Form1::cmdCopyCode_Click()
{
    // A busy or refusing clipboard is not worth a message: the command just ends.
    try {
        services_.clipboard->SetText(TextOf(*txtCode));
    } catch (...) {
    }
}

} // namespace quillamp
