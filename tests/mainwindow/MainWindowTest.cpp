// The main window inside the whole program, driven headless: the chart layout
// rule as a table, the controls down to the smallest window, the legend
// colours, drawing at a device-pixel ratio of 2, a refused score stopping
// advice and Print, one whole assessment from the keyboard, and streams of
// random input judged independently of the program's rules.

#include "advice/Advicedl.h"
#include "mainwindow/ChartLayout.h"
#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "mainwindow/SpinButton.h"
#include "model/InmBearb.h"
#include "model/Numeric.h"
#include "model/RiskModel.h"
#include "notes/InputId.h"
#include "piechart/Pieflytt.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "resources/Glyphs.h"
#include "resources/SectorPalette.h"
#include "tests/printing/RecordingCanvas.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"
#include "windows/Splash.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>

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
        {{566, 598}, 1024, true, 408, {205, 121, 357, 357}, {282, 245}}, // first
                                                                         // layout
        {{1200, 598}, 800, true, 408, {224, -176, 952, 952}, {600, 245}},
    };
    for (const auto& row : rows) {
        const ChartLayout::Result layout = ChartLayout::Compute(
            {row.area, {185, 183}, {186, 109}, row.screenWidth, row.firstTime});
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        EXPECT_EQ(layout.legendTop, row.legendTop);
        EXPECT_EQ(layout.pie, row.pie);
        EXPECT_EQ(layout.placeholder, row.placeholder);
    }
}

// Print jobs are counted and go nowhere; a missing printer fails as the
// system does without a default printer.
class FakePrinter : public Printing::PrintService {
public:
    QSize PrintableSize() override {
        if (missing) {
            throw std::runtime_error("There is no default printer currently selected");
        }
        return {4800, 6888};
    }
    std::unique_ptr<Printing::PageCanvas> OpenJob() override {
        ++jobs;
        return std::make_unique<Printing::RecordingCanvas>();
    }
    bool missing = false;
    int jobs = 0;
};

// The whole program, shown with nothing entered, laid out and coloured as on a
// screen 1024 pixels wide. The risk model lives for
// the whole process and is reset first.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::uint8_t factor = 1; factor <= InmBearb::RiskModel::kFactorCount; ++factor) {
            InmBearb::EnterScore(factor, " ");
        }
        auto printer = std::make_unique<FakePrinter>();
        printer_ = printer.get();
        program_ = std::make_unique<TDentiplotProgram>(std::move(printer));
        Form().SetScreenWidth(1024);
        Form().resize(1024, 700);
        Form().show();
        Reactivate();
    }
    TForm1& Form() { return program_->Form1(); }
    // Makes the main window the active one again: offscreen, a closed modal
    // window does not hand the activation back.
    void Reactivate() {
        if (QApplication::activeWindow() != &Form()) {
            Form().activateWindow();
            QApplication::setActiveWindow(&Form());
        }
        QApplication::processEvents();
    }
    template <typename T = QWidget> T* Find(const QString& name) {
        T* found = Form().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* Edit(int row) { return Find<QLineEdit>("MaskEdit" + QString::number(row)); }
    TPieFlytt* Pie() { return Find<TPieFlytt>("PieFlytt1"); }
    void Click(const QString& button) { Find<QToolButton>(button)->click(); }

    std::unique_ptr<TDentiplotProgram> program_;
    FakePrinter* printer_ = nullptr;
};

// Also run on a screen of device-pixel ratio 2, where the layout keeps its
// logical pixel sizes. At its smallest the window shows every control of the
// toolbar, the score column, the identification block and the legend whole
// and clear of the others; only the pie keeps shrinking with the width.
TEST_F(ProgramTest, ChartAreaFollowsTheWindowDownToItsSmallestSize) {
    EXPECT_EQ(Find("Panel7")->size(), QSize(186, 109));
    EXPECT_EQ(Find("Panel7")->pos(), QPoint(396, 275));

    Form().resize(1, 1);
    QApplication::processEvents();
    ASSERT_EQ(Form().size(), QSize(686, 515));
    EXPECT_EQ(Pie()->width(), 254); // (686 - 235 - 185 + 5) * 0.9375
    QList<QWidget*> controls = {Find("Panel12"), Find("Panel6")};
    for (const char* container : {"Panel3", "Panel5", "Panel2"}) {
        controls << Find(container)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
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
        EXPECT_TRUE(a->isVisible() && Form().rect().contains(place(a)))
            << a->objectName().toStdString();
        for (const QWidget* b : controls.mid(i + 1)) {
            if (!a->isAncestorOf(b) && !b->isAncestorOf(a) && !attached(a, b)) {
                EXPECT_FALSE(place(a).intersects(place(b)))
                    << a->objectName().toStdString() << " over " << b->objectName().toStdString();
            }
        }
    }
}

// The chart's own colours from 16 bits per pixel, the plain ones below.
TEST_F(ProgramTest, LegendColoursFollowTheDisplayDepth) {
    for (const auto& [depth, colours] :
         {std::pair{16, kSectorColours}, std::pair{15, kPlainSectorColours}}) {
        Form().SetDisplayDepth(depth);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const QImage image = Find(QStringLiteral("Shape%1").arg(i + 1))->grab().toImage();
            // The corner and the centre: a filling pen covers both.
            EXPECT_EQ(QList({image.pixelColor(1, 1), image.pixelColor(10, 10)}),
                      QList({colours[i], colours[i]}))
                << "depth " << depth << " row " << i;
        }
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
// resolution, that are visibly off in `image` from `corner` on. A copy enlarged
// from ratio 1 is off along every edge; a sharp one hardly anywhere.
double Stray(const QImage& image, QPoint corner, const QImage& picture) {
    const QImage target = image.convertToFormat(QImage::Format_ARGB32);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    int off = 0;
    int compared = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb a = source.pixel(x, y);
            const QRgb b = target.pixel(corner + QPoint(x, y));
            compared += qAlpha(a) == 255;
            off += qAlpha(a) == 255 &&
                   std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))}) > 48;
        }
    }
    return 100.0 * off / std::max(compared, 1);
}

// At a device-pixel ratio of 2 the chart, the toolbar glyphs and the splash
// picture are drawn at full device resolution instead of being enlarged from
// ratio 1. Run twice: on a screen of ratio 1, rendering into images of ratio
// 2, and on a screen scaled to ratio 2, where the splash window makes its
// picture for the screen it starts on.
TEST_F(ProgramTest, HighDpiDrawingIsSharp) {
    // An enabled glyph and one greyed while no chart shows, each in the middle
    // of its 32-pixel button.
    const QImage toolbar = RenderAtRatio2(*Find("Panel3"));
    const std::tuple<const char*, Glyph, QIcon::Mode> buttons[] = {
        {"SpeedButton1", Glyph::Exit, QIcon::Normal},
        {"SpeedButton7", Glyph::Print, QIcon::Disabled}};
    for (const auto& [name, glyph, mode] : buttons) {
        const QImage drawn = ToolbarGlyph(glyph).pixmap(QSize(24, 24), 2, mode).toImage();
        EXPECT_LT(Stray(toolbar, (Find(name)->pos() + QPoint(4, 4)) * 2, drawn), 1.0) << name;
    }
    // Where the sector edges meet in the pie's centre, colours mix within
    // single logical pixels: some 2 by 2 block of device pixels is not of one
    // colour.
    for (int i = 0; i < 10; ++i) {
        Edit(i + 1)->setText(QStringLiteral("2122222111").mid(i, 1));
    }
    const PieGeometry geometry = Pie()->CurrentGeometry();
    const PieSector& sector = geometry.sectors.at(2);
    const QPoint centre = QRect(sector.boxTopLeft, sector.boxBottomRight).center();
    const QImage image = RenderAtRatio2(*Pie());
    bool mixed = false;
    for (int y = centre.y() * 2 - 8; y < centre.y() * 2 + 8; y += 2) {
        for (int x = centre.x() * 2 - 8; x < centre.x() * 2 + 8; x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed = mixed || image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                    image.pixel(x + 1, y + 1) != p;
        }
    }
    EXPECT_TRUE(mixed);
    TSplashForm splash;
    if (splash.devicePixelRatioF() == 2) {
        splash.ShowAndPaint();
        // The picture starts inside the 2-pixel bevel, which cuts off its edges.
        const QImage shown = SplashPicture(2).toImage().copy(0, 0, (618 - 4) * 2, (595 - 4) * 2);
        EXPECT_LT(Stray(splash.grab().toImage(), QPoint(4, 4), shown), 0.1);
        splash.close();
    }
}

// A whole assessment without the mouse: the tab order, digits, arrow keys,
// the chart's description, and the shortcuts, which work only while their
// command is enabled. Then a character the entry check refused stays in its
// edit while the model keeps the previous value: advice and Print must not
// read it, but repeat the entry check's message and hand the focus back to
// that edit. Corrected, Print goes on and meets the missing printer's box.
TEST_F(ProgramTest, WholeAssessmentFromTheKeyboard) {
    // A key as the keyboard sends it to whatever holds the focus.
    const auto press = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Reactivate();
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &Form(), Qt::Key(key), modifiers);
        QApplication::processEvents();
    };
    const ModalCloser closer([](QWidget* modal) {
        if (auto* print = qobject_cast<TPrintDlg*>(modal)) {
            print->accept();
        } else {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    const auto fresh = Form().ScoreTexts();
    EXPECT_EQ(QStringList(fresh.begin(), fresh.end()),
              QStringList({" ", " ", " ", " ", " ", " ", " ", " ", " ", "1"}));
    EXPECT_FALSE(Pie()->isVisible());
    press(Qt::Key_P, Qt::ControlModifier); // no chart: "Print" is disabled

    EXPECT_TRUE(Edit(2)->hasFocus()); // ready for the first row taking digits
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(Edit(1)->hasFocus());
    press(Qt::Key_5); // "Caries experience" is set with its arrows only
    QString steps;
    for (const int key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up,
                          Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) {
        press(key);
        steps += Edit(1)->text();
    }
    EXPECT_EQ(steps, "010 012332"); // from blank through 0 up to 3 and no further
    for (const QChar digit : QStringLiteral("122222111")) {
        press(Qt::Key_Tab);
        press(Qt::Key_0 + digit.digitValue());
    }
    EXPECT_TRUE(Edit(10)->hasFocus());
    press(Qt::Key_Tab); // leaving the last row runs its check once more
    EXPECT_TRUE(Find("ComboBox2")->hasFocus());
    press(Qt::Key_Tab);
    EXPECT_TRUE(Find("ComboBox1")->hasFocus());
    ASSERT_TRUE(Pie()->isVisible());
    EXPECT_EQ(Pie()->accessibleDescription(),
              "Actual chance to avoid new cavities 21%, Circumstances 11%, "
              "Susceptibility 23%, Bacteria 23%, Diet 23%");

    press(Qt::Key_F1);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printer_->jobs, 2); // the report and the advice page
    for (const char* button : {"SpeedButton2", "SpeedButton8", "SpeedButton5"}) {
        Click(button);
    }
    const QStringList advice = program_->Advice().Lines();

    printer_->missing = true;
    QLineEdit* diet = Edit(3);
    diet->setFocus();
    press(Qt::Key_7);
    for (const char* button : {"SpeedButton5", "SpeedButton7"}) {
        Edit(4)->setFocus();
        Click(button);
        QApplication::processEvents();
        EXPECT_TRUE(diet->hasFocus()) << button;
    }
    press(Qt::Key_X);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(program_->Advice().Lines(), advice);
    diet->setText(" "); // corrected: a blank counts as not given
    Click("SpeedButton5");
    press(Qt::Key_P, Qt::ControlModifier);
    program_->PatientIdent().Label6->setText("Page 2/3");
    Edit(4)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(Pie()->isVisible());
    EXPECT_TRUE(Pie()->accessibleDescription().isEmpty());
    EXPECT_EQ(Form().ScoreTexts(), fresh);
    EXPECT_EQ(Find<QLabel>("Label34")->text(), "Ident.No"); // no full stop after New
    EXPECT_EQ(program_->PatientIdent().Label6->text(), "Page 1/1");
    const QString advised = "Preliminary interpretation and proposed measures ";
    const QString range = "error: Value out of range";
    const QString letter = "error: Not a numerical value";
    EXPECT_EQ(closer.Shown(), // and none from "New"
              QStringList({"Help", "Print", "About Dentiplot", "Notes", advised, range, range,
                           range, letter, letter, advised,
                           "error: There is no default printer currently selected."}));

    int closed = 0;
    QObject::connect(&Form(), &TForm1::closed, [&closed] { ++closed; });
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed, 1);
}

// Random user input: a reproducible stream of key presses, arrow clicks, focus
// moves, selector changes and "New". After every action the window must still
// tell the truth, judged here on its own terms rather than by the program's
// rules: each edit holds one blank or letter-or-digit, the risk model holds the
// last accepted text of each edit, a refused text is answered by exactly one
// box with its message, and the chart, "Print", the advice command and the
// placeholder switch together exactly when at most three factors are blank and
// both selections are made.
//
// By default two streams of 2,000 actions run. DENTIPLOT_RANDOM_SEEDS and
// DENTIPLOT_RANDOM_ACTIONS ask for more, DENTIPLOT_RANDOM_SEED for another
// first seed; a failure names its seed and step so that it can be replayed.

constexpr int kFactors = 10;
constexpr std::array<int, kFactors> kMaximum = {3, 2, 3, 3, 3, 3, 3, 3, 2, 3};
const QString kBlank = QStringLiteral(" ");

int Setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The error box a text must raise; empty when the text is accepted: the
// blank, or one ASCII digit up to the row's maximum.
QString Refusal(const QString& text, int maximum) {
    if (text == kBlank) {
        return {};
    }
    if (text.size() != 1 || text[0] < QLatin1Char('0') || text[0] > QLatin1Char('9')) {
        return QStringLiteral("error: Not a numerical value");
    }
    return text[0].unicode() - u'0' <= maximum ? QString()
                                               : QStringLiteral("error: Value out of range");
}

struct Keystroke {
    int key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool inert = false; // a mnemonic or a shortcut that must not type
};

// Mostly digits; letters, punctuation, letters and digits of other scripts,
// symbols, format and combining characters, control characters, a character
// beyond the basic plane, editing keys, arrows, and Ctrl or Alt with a letter
// (the command shortcuts Ctrl+N, P and Q stay out of the stream).
std::vector<Keystroke> Keystrokes() {
    std::vector<Keystroke> all;
    for (const QChar c : QStringLiteral("0123456789").repeated(6) +
                             QString::fromUtf8("abxzAQ-+ ./,;*éßЖ٣²５中Ω€\u200D\u0301\x01\x1b\t")) {
        const bool ascii = c.unicode() < 128 && c.isPrint();
        all.push_back({ascii ? c.toUpper().unicode() : int(Qt::Key_unknown), QString(c)});
    }
    const std::pair<int, const char*> keys[] = {{Qt::Key_unknown, "😀"},   {Qt::Key_Backspace, "\b"},
                                                {Qt::Key_Delete, "\x7f"}, {Qt::Key_Return, "\r"},
                                                {Qt::Key_Up, ""},         {Qt::Key_Down, ""},
                                                {Qt::Key_Left, ""},       {Qt::Key_End, ""}};
    for (const auto& [key, text] : keys) {
        all.push_back({key, text});
    }
    for (const QChar c : QStringLiteral("acgvxz")) {
        const int key = c.toUpper().unicode();
        all.push_back({key, QString(QChar(key - Qt::Key_A + 1)), Qt::ControlModifier,
                       QStringLiteral("acg").contains(c)});
        all.push_back({key, QString(c), Qt::AltModifier, true});
    }
    return all;
}

class RandomInput : public ProgramTest, public ::testing::WithParamInterface<int> {
protected:
    // A keystroke into the edit that has the focus, or else a click into one.
    void TypeKey() {
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        const auto row = std::find(edits_.begin(), edits_.end(), edit) - edits_.begin();
        if (row == kFactors) {
            edits_[Pick(kFactors)]->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (Pick(40) == 0) {
            QApplication::clipboard()->setText(Pick(2) == 0 ? "2" : "x7");
        }
        const Keystroke& stroke = strokes_[Pick(strokes_.size())];
        const QString before = edit->text();
        const qsizetype boxes = closer_.Shown().size();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(stroke.key), stroke.text, stroke.modifiers);
        Settle();
        const QString after = edit->text();
        const bool arrow = stroke.key == Qt::Key_Up || stroke.key == Qt::Key_Down;
        if ((row == 0 && !arrow) || stroke.inert) {
            EXPECT_EQ(after, before); // the first row is set with its arrows only
        }
        if (after != before) {
            const QString refusal = Refusal(after, kMaximum[row]);
            EXPECT_EQ(closer_.Shown().mid(boxes),
                      refusal.isEmpty() ? QStringList() : QStringList(refusal));
        }
    }

    void Act() {
        const int choice = Pick(100);
        const int row = Pick(kFactors);
        const bool flip = Pick(2) == 0;
        Reactivate();
        if (choice < 55) {
            TypeKey();
        } else if (choice < 75) {
            auto* spin = Find<TSpinButton>(QStringLiteral("SpinButton%1").arg(row + 1));
            (flip ? spin->UpButton() : spin->DownButton())->click();
        } else if (choice < 88) {
            QWidget* focus = QApplication::focusWidget();
            if (focus != nullptr && Pick(3) == 0) {
                QTest::keyClick(focus, Qt::Key_Tab);
            } else {
                edits_[row]->setFocus(Qt::MouseFocusReason);
            }
        } else if (choice < 97) {
            const int index = Pick(5) == 0 ? -1 : Pick(3); // now and then no selection
            Find<QComboBox>(flip ? "ComboBox2" : "ComboBox1")->setCurrentIndex(index);
            (flip ? countryCode_ : groupCode_) = static_cast<std::uint8_t>(index + 1);
        } else {
            Click("SpeedButton4"); // "New"
            groupCode_ = 1;
        }
        Settle();
    }

    void CheckInvariants() {
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << " a box stayed open";
        int missing = 0;
        InmBearb::RiskModel fresh;
        fresh.SetCountryArea(countryCode_);
        fresh.SetGroup(groupCode_);
        for (int i = 0; i < kFactors; ++i) {
            const QString text = edits_[i]->text();
            ASSERT_TRUE(text == kBlank || (text.size() == 1 && text[0].isLetterOrNumber()))
                << " row " << i + 1 << " holds " << text.toStdString();
            accepted_[i] = Refusal(text, kMaximum[i]).isEmpty() ? text : accepted_[i];
            missing += accepted_[i] == kBlank ? 1 : 0;
            fresh.EnterScore(static_cast<std::uint8_t>(i + 1), accepted_[i].toStdString());
        }
        ASSERT_EQ(InmBearb::GetCountryArea(), countryCode_);
        ASSERT_EQ(InmBearb::GetGroup(), groupCode_);
        const bool shown = missing < 4 && countryCode_ != 0 && groupCode_ != 0;
        ASSERT_EQ(Pie()->isVisible(), shown) << " missing " << missing;
        ASSERT_EQ(Find("Panel7")->isVisible(), !shown);
        ASSERT_EQ(Find("SpeedButton7")->isEnabled(), shown);
        ASSERT_EQ(Find("SpeedButton5")->isEnabled(), shown);
        if (!shown) {
            return;
        }
        // While the chart shows, its five lines against a fresh model fed the
        // accepted texts.
        QStringList expected;
        for (double value :
             {fresh.ChancePercent(), fresh.CircumstancesPercent(), fresh.SusceptibilityPercent(),
              fresh.BacteriaPercent(), fresh.DietPercent()}) {
            value = expected.isEmpty() ? std::max(value, 0.5) : value;
            expected << QString::fromStdString(Numeric::FixedTwo(value) + ' ' +
                                               Numeric::IntegerText(Numeric::RoundToInt(value)) +
                                               '%');
        }
        const auto& data = Pie()->PieData();
        for (int i = 0; i < data.Count(); ++i) {
            ASSERT_EQ(data.Text(i), expected.value(i)) << " line " << i;
        }
    }

    int Pick(std::size_t count) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_);
    }

    // Lets queued work run: the exit checks of the score edits are queued.
    static void Settle() {
        QApplication::processEvents();
        QApplication::processEvents();
    }

    const std::vector<Keystroke> strokes_ = Keystrokes();
    std::array<QLineEdit*, kFactors> edits_{};
    const ModalCloser closer_;
    std::mt19937_64 random_;
    // The expected state, kept from the actions alone.
    std::array<QString, kFactors> accepted_;
    std::uint8_t countryCode_ = 1;
    std::uint8_t groupCode_ = 1;
};

TEST_P(RandomInput, EveryActionLeavesWindowAndModelInAgreement) {
    for (int i = 0; i < kFactors; ++i) {
        edits_[i] = Edit(i + 1);
        accepted_[i] = edits_[i]->text();
    }
    const int actions = Setting("DENTIPLOT_RANDOM_ACTIONS", 2000);
    const auto seed = static_cast<std::uint64_t>(Setting("DENTIPLOT_RANDOM_SEED", 20261206)) +
                      static_cast<std::uint64_t>(GetParam());
    random_.seed(seed);
    int step = 0;
    for (; step < actions && !HasFailure(); ++step) {
        Act();
        CheckInvariants();
    }
    EXPECT_FALSE(HasFailure()) << "seed " << seed << ", step " << step - 1;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInput,
                         ::testing::Range(0, Setting("DENTIPLOT_RANDOM_SEEDS", 2)));

} // namespace
