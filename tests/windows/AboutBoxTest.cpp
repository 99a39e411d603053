// The about window: every text at its place, in the serif face at 17 pixels,
// nothing cut off, and OK hiding the window again.

#include "resources/Fonts.h"
#include "tests/support/ModalCloser.h"
#include "windows/About.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

struct PlacedText {
    const char* name;
    QPoint place;
    const char* text;
};

// The texts the layout fixes, with their places inside the panel.
const PlacedText FixedTexts[] = {
    {"ProductName", {136, 20}, "Dentiplot "},
    {"Version", {134, 57}, "Version 3.00 "},
    {"Label6", {290, 26}, "Internet version"},
    {"Label5", {290, 55}, "Res. 1024*768"},
    {"Label7", {16, 128}, "Special conditions for use of the Internet version, see:"},
    {"Label1",
     {16, 171},
     "This educational program was developed for better understanding of the multifactorial "
     "disease dental caries. It illustrates the \"caries risk\" and possible interactions between "
     "caries related factors. A further"},
    {"Label2",
     {16, 229},
     "purpose is to encourage preventive measures before new cavities will occur. The program "
     "cannot replace the personal professional judgement of the caries risk."},
    {"Label3", {16, 391}, "E-mail:"},
};

class AboutBoxTest : public ::testing::Test {
protected:
    TAboutBox about;

    template <typename T> T* Child(const char* name) {
        auto* child = about.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
};

} // namespace

TEST_F(AboutBoxTest, WindowAndPanelHaveTheirFixedSizes) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Dentiplot"));
    EXPECT_EQ(about.size(), QSize(584, 498));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(Child<QFrame>("Panel1")->geometry(), QRect(14, 16, 571, 419));
    EXPECT_EQ(Child<QLabel>("Copyright")->pos(), QPoint(16, 109));
    auto* ok = Child<QPushButton>("OKButton");
    EXPECT_EQ(ok->parentWidget(), &about) << "the button stands outside the panel";
    EXPECT_EQ(ok->geometry(), QRect(217, 449, 87, 34));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutBoxTest, FixedTextsStandAtTheirPlacesInTheSerifFace) {
    auto* panel = Child<QFrame>("Panel1");
    for (const PlacedText& expected : FixedTexts) {
        SCOPED_TRACE(expected.name);
        auto* label = Child<QLabel>(expected.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), panel);
        EXPECT_EQ(label->pos(), expected.place);
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.text));
        const QFontInfo face(label->font());
        EXPECT_EQ(face.pixelSize(), 17);
        EXPECT_TRUE(face.family() == Fonts::SerifFace || face.family() == Fonts::SerifFallback)
            << face.family().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
}

TEST_F(AboutBoxTest, AddressLinesAreBorderlessReadOnlyFields) {
    const std::pair<const char*, QRect> fields[] = {{"Edit1", QRect(16, 150, 547, 21)},
                                                    {"Edit2", QRect(68, 390, 239, 27)}};
    for (const auto& [name, place] : fields) {
        SCOPED_TRACE(name);
        auto* field = Child<QLineEdit>(name);
        EXPECT_EQ(field->geometry(), place);
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_FALSE(field->hasFrame());
        EXPECT_EQ(field->palette().color(QPalette::Base), field->palette().color(QPalette::Button));
    }
}

TEST_F(AboutBoxTest, WrappedTextsKeepTheirWidthsAndShowEveryLine) {
    const std::pair<const char*, QRect> boxes[] = {{"Label1", QRect(16, 171, 489, 57)},
                                                   {"Label2", QRect(16, 229, 474, 57)},
                                                   {"Comments", QRect(16, 287, 415, 0)},
                                                   {"Label4", QRect(16, 312, 421, 38)}};
    for (const auto& [name, box] : boxes) {
        SCOPED_TRACE(name);
        auto* label = Child<QLabel>(name);
        EXPECT_TRUE(label->wordWrap());
        EXPECT_EQ(label->geometry().topLeft(), box.topLeft());
        EXPECT_EQ(label->width(), box.width());
        EXPECT_GE(label->height(), box.height());
        EXPECT_GE(label->height(), label->heightForWidth(box.width())) << "a line is cut off";
    }
}

TEST_F(AboutBoxTest, IconIsStretchedToItsBox) {
    auto* icon = Child<QLabel>("ProgramIcon");
    EXPECT_EQ(icon->geometry(), QRect(16, 14, 93, 81));
    EXPECT_TRUE(icon->hasScaledContents());
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST_F(AboutBoxTest, OpensCentredModallyAndOkOnlyHidesIt) {
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        QPoint centreOffset;
        QWidget* focused = nullptr;
        ModalCloser closer([&](QWidget* modal) {
            centreOffset =
                modal->frameGeometry().center() - modal->screen()->availableGeometry().center();
            focused = modal->focusWidget();
            modal->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        });
        EXPECT_EQ(about.exec(), QDialog::Accepted);
        EXPECT_EQ(closer.Titles(), QStringList{QStringLiteral("About Dentiplot")});
        // Before the first showing the window frame is not known yet, so the
        // centre may be off by the frame's own width.
        EXPECT_LE(centreOffset.manhattanLength(), opening == 0 ? 8 : 2);
        EXPECT_EQ(focused, about.OKButton);
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.OKButton->text(), QStringLiteral("OK")) << "content never changes";
    }
}
