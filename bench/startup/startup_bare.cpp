// What Qt alone needs to show Quillamp's window: the same widgets with the same parents,
// captions, geometry and fonts, and the installed font families in a combo box, written the
// plain way with none of the program's own code. It ends after the first painted frame.
#include "first_paint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 9060;
constexpr int kClientHeight = 7665;
constexpr double kCaptionPoints = 9.75;
constexpr double kStylePoints = 12.0;
constexpr double kTextPoints = 15.0; // size 3 of the seven
constexpr int kSelectedFont = 5;     // the sixth

enum class Kind { Label, LineEdit, TextBox, Button, ComboBox, Frame, CheckBox };
enum class Face { Regular, Heading, B, I, U };

struct Row {
    const char* name;
    Kind kind;
    const char* container;
    const char* caption;
    int left, top, width, height; // twips
    Face face;
};

// Copied from ui/form1.cpp.
constexpr std::array kLayout = {
    Row{"lblFileName", Kind::Label, nullptr, "File Name:", 360, 120, 1335, 255, Face::Heading},
    Row{"txtFileName", Kind::LineEdit, nullptr, "Your Filename goes here", 600, 480, 4815, 375,
        Face::Regular},
    Row{"cmdBrowse", Kind::Button, nullptr, "B&rowse", 5760, 480, 1215, 375, Face::Regular},
    Row{"lblWebsite", Kind::Label, nullptr, "Website :", 360, 1080, 855, 375, Face::Heading},
    Row{"txtWebsite", Kind::LineEdit, nullptr, "http://www.example.com", 600, 1440, 4815, 375,
        Face::Regular},
    Row{"lblAlignment", Kind::Label, nullptr, "Alignment:", 5760, 1080, 1335, 255, Face::Heading},
    Row{"cboAlignment", Kind::ComboBox, nullptr, "", 6000, 1440, 1215, 360, Face::Regular},
    Row{"frmText", Kind::Frame, nullptr, "Text:", 240, 2160, 8535, 3015, Face::Heading},
    Row{"txtText", Kind::TextBox, "frmText", "Your Text", 120, 1560, 6135, 1215, Face::Regular},
    Row{"frmFont", Kind::Frame, "frmText", "Font :", 120, 360, 2895, 975, Face::Regular},
    Row{"cboFont", Kind::ComboBox, "frmFont", "", 120, 360, 2655, 360, Face::Regular},
    Row{"frmSize", Kind::Frame, "frmText", "Size :", 3240, 360, 855, 975, Face::Regular},
    Row{"cboSize", Kind::ComboBox, "frmSize", "", 120, 360, 615, 360, Face::Regular},
    Row{"frmStyle", Kind::Frame, "frmText", "Style :", 4320, 360, 1935, 975, Face::Regular},
    Row{"chkBold", Kind::CheckBox, "frmStyle", "B", 120, 360, 615, 255, Face::B},
    Row{"chkItalic", Kind::CheckBox, "frmStyle", "I", 720, 360, 495, 255, Face::I},
    Row{"chkUnderlined", Kind::CheckBox, "frmStyle", "U", 1320, 360, 495, 255, Face::U},
    Row{"frmColor", Kind::Frame, "frmText", "Color :", 6480, 360, 1695, 975, Face::Regular},
    Row{"cmdChangeColors", Kind::Button, "frmColor", "C&hange Color", 120, 360, 1455, 375,
        Face::Regular},
    Row{"cmdPreview", Kind::Button, "frmText", "&Preview", 6480, 2040, 1695, 375, Face::Regular},
    Row{"txtCode", Kind::TextBox, nullptr, "", 240, 6120, 8535, 1335, Face::Regular},
    Row{"cmdGenerateCode", Kind::Button, nullptr, "&Generate Code", 1800, 5400, 2295, 495,
        Face::Regular},
    Row{"cmdCopyCode", Kind::Button, nullptr, "&Copy Code", 4800, 5400, 2175, 495, Face::Regular},
};

QFont FontOf(Face face)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow")});
    font.setPointSizeF(face == Face::B || face == Face::I || face == Face::U ? kStylePoints
                                                                             : kCaptionPoints);
    font.setWeight(face == Face::Heading || face == Face::B ? QFont::Bold : QFont::Normal);
    font.setItalic(face == Face::I);
    font.setUnderline(face == Face::U);
    return font;
}

QWidget* Create(const Row& row, QWidget* container)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Label:
        return new QLabel(caption, container);
    case Kind::LineEdit:
        return new QLineEdit(caption, container);
    case Kind::TextBox: {
        auto* box = new QPlainTextEdit(caption, container);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

QStringList FontFamilies()
{
    QStringList families;
    for (QString family : QFontDatabase::families()) {
        // "Name [Foundry]" is one of several makers' fonts of that name.
        if (const qsizetype foundry = family.indexOf(QStringLiteral(" [")); foundry > 0) {
            family.truncate(foundry);
        }
        if (family != u"Sans Serif" && family != u"Serif" && family != u"Monospace") {
            families.append(family);
        }
    }
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    return families;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillamp"));
    window.setFont(FontOf(Face::Regular));
    window.setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);

    for (const Row& row : kLayout) {
        QWidget* container = row.container != nullptr
                                 ? window.findChild<QWidget*>(QString::fromUtf8(row.container))
                                 : &window;
        QWidget* widget = Create(row, container);
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setFont(FontOf(row.face));
        widget->setGeometry(row.left / kTwipsPerPixel, row.top / kTwipsPerPixel,
                            row.width / kTwipsPerPixel, row.height / kTwipsPerPixel);
    }

    auto* alignment = window.findChild<QComboBox*>(QStringLiteral("cboAlignment"));
    alignment->addItems({"None", "Left", "Right", "Center"});
    auto* size = window.findChild<QComboBox*>(QStringLiteral("cboSize"));
    size->addItems({"1", "2", "3", "4", "5", "6", "7"});
    size->setCurrentIndex(2);
    auto* fonts = window.findChild<QComboBox*>(QStringLiteral("cboFont"));
    fonts->addItems(FontFamilies());
    fonts->setCurrentIndex(std::min(kSelectedFont, fonts->count() - 1));

    // A complete font, or the box would take the bold of its frame's caption.
    QFont textFont = FontOf(Face::Regular);
    textFont.setFamily(fonts->currentText());
    textFont.setPointSizeF(kTextPoints);
    window.findChild<QPlainTextEdit*>(QStringLiteral("txtText"))->setFont(textFont);
    window.findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setFocus();

    const startup::QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}
