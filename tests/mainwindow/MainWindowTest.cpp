// The chart layout rule as a table, and the main window driven headless
// through its controls and keys inside the whole program: its controls, the
// chart area down to the smallest window, the legend colours, drawing at a
// device-pixel ratio of 2, the toolbar commands with a refused score, and one
// whole assessment from the keyboard.

#include "advice/Advicedl.h"
#include "mainwindow/ChartLayout.h"
#include "mainwindow/Shape.h"
#include "notes/InputId.h"
#include "printing/Printval.h"
#include "resources/Glyphs.h"
#include "resources/SectorPalette.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"
#include "windows/Splash.h"

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <algorithm>

using namespace MainWindowSupport;

namespace {

// Where the chart area puts the legend, the pie and the placeholder (legend
// 185 by 183, placeholder 186 by 109); rounding goes half to even.
TEST(ChartLayoutTest, PlacesPiePlaceholderAndLegend) {
    const struct {
        QSize area;
        int screenWidth;
        bool firstTime;
        int legendTop;
        QRect pie;
        QPoint placeholder;
    } rows[] = {
        {{789, 680}, 1024, false, 490, {225, 79, 525, 525}, {396, 287}}, // clamped
        {{789, 680}, 800, false, 490, {287, 141, 400, 400}, {396, 287}}, // 800 wide screen
        {{789, 680}, 801, false, 490, {225, 79, 525, 525}, {396, 287}},
        {{400, 150}, 1024, false, -40, {189, -27, 206, 206}, {202, 21}}, // width decides
        {{189, 300}, 1024, false, 110, {183, 147, 8, 8}, {96, 97}},      // 4.5 -> 4
        {{191, 300}, 1024, false, 110, {183, 146, 10, 10}, {98, 97}},    // 5.5 -> 6
        {{566, 598}, 1024, true, 408, {205, 121, 357, 357}, {282, 245}}, // first layout
        {{1200, 598}, 800, true, 408, {224, -176, 952, 952}, {600, 245}},
    };
    for (const auto& row : rows) {
        const ChartLayout::Result layout = ChartLayout::Compute(
            {row.area, {185, 183}, {186, 109}, row.screenWidth, row.firstTime});
        SCOPED_TRACE(testing::Message() << row.area.width() << 'x' << row.area.height() << '@'
                                        << row.screenWidth << (row.firstTime ? " first" : ""));
        EXPECT_EQ(layout.legendTop, row.legendTop);
        EXPECT_EQ(layout.pie, row.pie);
        EXPECT_EQ(layout.placeholder, row.placeholder);
    }
}

// The widget painted into an image of ratio 2 over a white ground.
QImage RenderAtRatio2(QWidget& widget) {
    QImage image(widget.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// The percentage of the opaque pixels of `picture`, drawn at full device
// resolution, that are visibly off in `image` at the best placement within
// `slack` device pixels of `near`. A copy enlarged from ratio 1 is off along
// every edge; a sharp one hardly anywhere.
double Stray(const QImage& image, QPoint near, const QImage& picture, int slack) {
    const QImage target = image.convertToFormat(QImage::Format_ARGB32);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    double best = 100.0;
    for (int dy = -slack; dy <= slack; ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            int off = 0;
            int compared = 0;
            for (int y = 0; y < source.height(); ++y) {
                for (int x = 0; x < source.width(); ++x) {
                    const QPoint p = near + QPoint(dx + x, dy + y);
                    const QRgb a = source.pixel(x, y);
                    if (qAlpha(a) == 255 && target.rect().contains(p)) {
                        const QRgb b = target.pixel(p);
                        ++compared;
                        off +=
                            std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))}) > 48;
                    }
                }
            }
            best = compared > 0 ? std::min(best, 100.0 * off / compared) : best;
        }
    }
    return best;
}

// The main window alone, shown at 1024 by 700.
class WindowTest : public ProgramTest {
protected:
    void SetUp() override {
        Start(false, false);
        Form().resize(1024, 700);
        Form().show();
        QApplication::processEvents();
    }
};

// Object names other code, tests and users find the controls by, with their
// sizes; the score column only by name, its height follows the window.
TEST_F(WindowTest, ControlsAndTheirSizes) {
    const struct {
        const char* stem;
        int first;
        int last;
        QSize size;
    } rows[] = {{"SpeedButton", 1, 5, {32, 32}}, {"SpeedButton", 7, 8, {32, 32}},
                {"MaskEdit", 1, 10, {28, 37}},   {"SpinButton", 1, 10, {25, 37}},
                {"ComboBox", 1, 2, {127, 24}},   {"Panel", 1, 1, {181, 35}},
                {"Panel", 8, 11, {181, 35}},     {"Panel", 6, 6, {185, 183}},
                {"Panel", 7, 7, {186, 109}},     {"Panel", 12, 12, {173, 131}},
                {"Shape", 1, 5, {21, 21}},       {"Label", 33, 36, {160, 21}}};
    for (const auto& row : rows) {
        for (int i = row.first; i <= row.last; ++i) {
            const QString name = row.stem + QString::number(i);
            if (const auto* control = Find<QWidget>(Form(), name)) {
                EXPECT_EQ(control->size(), row.size) << name.toStdString();
            }
        }
    }
    EXPECT_EQ(Find<QFrame>(Form(), "Panel2")->width(), 235);
}

// Also run on a screen of device-pixel ratio 2, where the layout keeps its
// logical pixel sizes. At its smallest the window shows every control of the
// toolbar, the score column, the identification block and the legend whole
// and clear of the others; only the pie keeps shrinking with the width.
TEST_F(WindowTest, ChartAreaFollowsTheWindowDownToItsSmallestSize) {
    EXPECT_EQ(Pie(Form())->geometry(), QRect(225, 67, 525, 525));
    EXPECT_EQ(Find<QFrame>(Form(), "Panel6")->geometry(), QRect(8, 658 - 183 - 7, 185, 183));
    EXPECT_EQ(Find<QFrame>(Form(), "Panel7")->pos(), QPoint(396, 275));

    Form().resize(1, 1);
    QApplication::processEvents();
    ASSERT_EQ(Form().size(), QSize(686, 515));
    EXPECT_EQ(Pie(Form())->width(), 254); // (686 - 235 - 185 + 5) * 0.9375
    QList<QWidget*> controls;
    for (const char* container : {"Panel3", "Panel5", "Panel2"}) {
        controls << Find<QWidget>(Form(), container)
                        ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    controls << Find<QWidget>(Form(), "Panel12") << Find<QWidget>(Form(), "Panel6");
    const auto place = [this](const QWidget* control) {
        return QRect(control->mapTo(&Form(), QPoint(0, 0)), control->size());
    };
    // A row's spin button covers its edit's right border, as designed.
    const auto attached = [](const QWidget* a, const QWidget* b) {
        const QString edit = a->objectName();
        return edit.startsWith("MaskEdit") && b->objectName() == "SpinButton" + edit.mid(8);
    };
    for (int i = 0; i < controls.size(); ++i) {
        const QWidget* a = controls[i];
        ASSERT_TRUE(a->isVisible()) << a->objectName().toStdString();
        EXPECT_TRUE(Form().rect().contains(place(a))) << a->objectName().toStdString();
        for (int j = i + 1; j < controls.size(); ++j) {
            const QWidget* b = controls[j];
            if (!a->isAncestorOf(b) && !b->isAncestorOf(a) && !attached(a, b)) {
                EXPECT_FALSE(place(a).intersects(place(b)))
                    << a->objectName().toStdString() << " over " << b->objectName().toStdString();
            }
        }
    }
}

TEST_F(WindowTest, LegendColoursFollowTheDisplayDepth) {
    for (const int depth : {32, 8}) {
        Form().SetDisplayDepth(depth);
        const SectorPalette& colours = ScreenSectorColours(depth);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            auto* shape = Find<TShape>(Form(), QStringLiteral("Shape%1").arg(i + 1));
            QImage image(shape->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            shape->render(&image);
            // The corner and the centre: a filling pen covers both.
            EXPECT_EQ(image.pixelColor(1, 1), colours[i]) << "depth " << depth << " row " << i;
            EXPECT_EQ(image.pixelColor(10, 10), colours[i]) << "depth " << depth << " row " << i;
        }
    }
}

// At a device-pixel ratio of 2 the chart, the toolbar glyphs and the splash
// picture are drawn at full device resolution instead of being enlarged from
// ratio 1. Run twice: on a screen of ratio 1, rendering into images of ratio
// 2, and on a screen scaled to ratio 2.
// Where the sector edges meet in the pie's centre, colours mix within single
// logical pixels: some 2 by 2 block of device pixels is not of one colour.
TEST_F(WindowTest, HighDpiChartEdgesAreSmooth) {
    EnterScores(Form());
    TPieFlytt* pie = Pie(Form());
    ASSERT_TRUE(pie->isVisible());
    const QImage image = RenderAtRatio2(*pie);
    const PieGeometry geometry = pie->CurrentGeometry();
    const PieSector& sector = geometry.sectors.at(2);
    const QPoint centre = QRect(sector.boxTopLeft, sector.boxBottomRight).center() * 2;
    bool mixed = false;
    for (int y = (centre.y() & ~1) - 8; y < centre.y() + 8; y += 2) {
        for (int x = (centre.x() & ~1) - 8; x < centre.x() + 8; x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed = mixed || image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                    image.pixel(x + 1, y + 1) != p;
        }
    }
    EXPECT_TRUE(mixed);
}

TEST_F(WindowTest, HighDpiToolbarGlyphsAreSharp) {
    const QImage image = RenderAtRatio2(*Find<QFrame>(Form(), "Panel3"));
    // "Print" and the advice button are greyed while no chart shows.
    const std::tuple<const char*, Glyph, QIcon::Mode> buttons[] = {
        {"SpeedButton1", Glyph::Exit, QIcon::Normal},
        {"SpeedButton4", Glyph::New, QIcon::Normal},
        {"SpeedButton5", Glyph::Advice, QIcon::Disabled},
        {"SpeedButton7", Glyph::Print, QIcon::Disabled}};
    for (const auto& [name, glyph, mode] : buttons) {
        const QImage drawn = ToolbarGlyph(glyph).pixmap(QSize(24, 24), 2, mode).toImage();
        ASSERT_EQ(drawn.size(), QSize(48, 48));
        // The glyph sits in the middle of its 32-pixel button.
        const QPoint corner = Find<QWidget>(Form(), name)->pos() + QPoint(4, 4);
        EXPECT_LT(Stray(image, corner * 2, drawn, 4), 1.0) << name;
    }
}

TEST(HighDpiTest, SplashPictureIsSharp) {
    const QImage sharp = SplashPicture(2).toImage();
    ASSERT_EQ(sharp.size(), QSize(kSplashPictureWidth, kSplashPictureHeight) * 2);
    // The splash window makes its picture for the screen it starts on.
    TSplashForm splash;
    const qreal ratio = splash.devicePixelRatioF();
    EXPECT_EQ(splash.Image1->pixmap().devicePixelRatio(), ratio);
    if (ratio != 2) {
        GTEST_SKIP() << "the screen has ratio " << ratio;
    }
    splash.ShowAndPaint();
    // The picture starts inside the 2-pixel bevel, which cuts off its edges.
    const QImage shown = sharp.copy(0, 0, (618 - 4) * 2, (595 - 4) * 2);
    EXPECT_LT(Stray(splash.grab().toImage(), QPoint(4, 4), shown, 0), 0.1);
    splash.close();
}

// A character the entry check refused stays in its edit while the model keeps
// the previous value; advice and Print must not read it. Both answer with the
// entry check's own message and hand the focus back to that edit. The printer
// is missing, so asking it would show its own error box.
TEST_F(ProgramTest, RejectedScoreStopsAdviceAndPrintAtTheEntryMessage) {
    Start(true);
    EnterScores(Form());
    QStringList windows;
    ModalCloser closer([&windows](QWidget* modal) {
        windows << modal->metaObject()->className();
        qobject_cast<QDialog*>(modal)->reject();
    });
    for (const char* button : {"SpeedButton2", "SpeedButton3", "SpeedButton8", "SpeedButton5"}) {
        Click(Form(), button);
    }
    EXPECT_EQ(closer.Titles(), QStringList({"About Dentiplot", "Help", "Notes",
                                            "Preliminary interpretation and proposed measures "}));
    const QStringList advice = program_->Advice().Lines();
    ASSERT_FALSE(advice.isEmpty());

    QLineEdit* diet = Edit(Form(), 3);
    diet->setFocus();
    Type(diet, Qt::Key_7, "7");
    for (const char* button : {"SpeedButton5", "SpeedButton7"}) {
        Edit(Form(), 4)->setFocus();
        Click(Form(), button);
        QApplication::processEvents();
        EXPECT_TRUE(diet->hasFocus()) << button;
    }
    Type(diet, Qt::Key_X, "x");
    Click(Form(), "SpeedButton7");
    EXPECT_EQ(closer.Texts(),
              QStringList({"Value out of range", "Value out of range", "Value out of range",
                           "Not a numerical value", "Not a numerical value"}));
    EXPECT_EQ(closer.Icons(), QList<QMessageBox::Icon>(5, QMessageBox::Critical));
    EXPECT_EQ(windows.mid(3), QStringList({"TAdvice"}) + QStringList(5, "QMessageBox"));
    EXPECT_EQ(program_->Advice().Lines(), advice);
    EXPECT_EQ(jobs, 0);

    diet->setText(" "); // corrected: a blank counts as not given
    Click(Form(), "SpeedButton5");
    EXPECT_EQ(windows.last(), "TAdvice");
}

// The control that holds the keyboard focus; a selector's inner line edit
// counts as the selector.
QString Focused() {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty()) {
            return widget->objectName();
        }
    }
    return {};
}

// A whole assessment without the mouse: the tab order, digits, arrow keys,
// the chart's description, and the shortcuts, which work only while their
// command is enabled.
TEST_F(ProgramTest, WholeAssessmentFromTheKeyboard) {
    Start();
    // A key as the keyboard sends it to whatever holds the focus.
    const auto press = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Reactivate();
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &Form(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    };
    // The chart and the placeholder take turns.
    const auto chartShown = [this] {
        EXPECT_NE(Pie(Form())->isVisible(), Find<QFrame>(Form(), "Panel7")->isVisible());
        return Pie(Form())->isVisible();
    };
    int printDialogs = 0;
    ModalCloser closer([&printDialogs](QWidget* modal) {
        if (auto* print = qobject_cast<TPrintDlg*>(modal)) {
            ++printDialogs;
            print->accept();
        } else {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    const auto fresh = Form().ScoreTexts();
    EXPECT_EQ(QStringList(fresh.begin(), fresh.end()),
              QStringList({" ", " ", " ", " ", " ", " ", " ", " ", " ", "1"}));
    EXPECT_FALSE(chartShown());
    press(Qt::Key_P, Qt::ControlModifier); // no chart: "Print" is disabled
    EXPECT_TRUE(closer.Titles().isEmpty());

    EXPECT_EQ(Focused(), "MaskEdit2"); // ready for the first row taking digits
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(Focused(), "MaskEdit1");
    press(Qt::Key_5); // "Caries experience" is set with its arrows only
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Up); // blank, 0, 1, 2, 3 and no further
    }
    EXPECT_EQ(Edit(Form(), 1)->text(), "3");
    press(Qt::Key_Down);
    for (const QChar digit : QStringLiteral("122222111")) {
        press(Qt::Key_Tab);
        press(Qt::Key_0 + digit.digitValue());
    }
    EXPECT_EQ(Focused(), "MaskEdit10");
    press(Qt::Key_Tab); // leaving the last row runs its check once more
    EXPECT_EQ(Focused(), "ComboBox2");
    press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "ComboBox1");
    EXPECT_EQ(Form().ScoreTexts()[0], "2");
    ASSERT_TRUE(chartShown());
    EXPECT_EQ(Pie(Form())->accessibleDescription(),
              "Actual chance to avoid new cavities 21%, Circumstances 11%, "
              "Susceptibility 23%, Bacteria 23%, Diet 23%");

    press(Qt::Key_F1);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printDialogs, 1);
    EXPECT_EQ(jobs, 2); // the report and the advice page
    program_->PatientIdent().Label6->setText("Page 2/3");
    Edit(Form(), 4)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(chartShown());
    EXPECT_TRUE(Pie(Form())->accessibleDescription().isEmpty());
    EXPECT_EQ(Form().ScoreTexts(), fresh);
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No"); // no full stop after New
    EXPECT_EQ(program_->PatientIdent().Label6->text(), "Page 1/1");
    EXPECT_EQ(closer.Titles(), QStringList({"Help", "Print"})); // and no message

    int closed = 0;
    QObject::connect(&Form(), &TForm1::closed, [&closed] { ++closed; });
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed, 1);
}

} // namespace
