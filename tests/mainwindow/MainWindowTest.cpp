// The main window driven through its controls, headless: first appearance,
// score entry and its messages, spin arrows, selectors, "New", chart layout
// and the legend.

#include "mainwindow/My_pie.h"
#include "mainwindow/Shape.h"
#include "mainwindow/SpinButton.h"
#include "model/InmBearb.h"
#include "piechart/Pieflytt.h"
#include "resources/SectorPalette.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>

using namespace MainWindowSupport;

namespace {

class MainWindowTest : public WindowTest {
protected:
    QComboBox* CountryArea() { return Find<QComboBox>(Form(), "ComboBox2"); }
    QComboBox* Group() { return Find<QComboBox>(Form(), "ComboBox1"); }

    // Shows the window and makes it the active one, so keyboard focus works.
    void Activate() {
        Form().show();
        Form().activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &Form());
    }
};

TEST_F(MainWindowTest, FirstAppearance) {
    EXPECT_EQ(Form().windowTitle(), "Dentiplot - Evaluation of the Caries Risk");
    for (int factor = 1; factor <= 9; ++factor) {
        EXPECT_EQ(Edit(Form(), factor)->text(), " ") << factor;
    }
    EXPECT_EQ(Edit(Form(), 10)->text(), "1");
    EXPECT_TRUE(Edit(Form(), 1)->isReadOnly());
    EXPECT_FALSE(Edit(Form(), 2)->isReadOnly());
    EXPECT_FALSE(ChartShown(Form()));
    EXPECT_EQ(CountryArea()->currentText(), "Standard set");
    EXPECT_EQ(Group()->currentText(), "Standard set");
    EXPECT_EQ(InmBearb::GetCountryArea(), 1);
    EXPECT_EQ(InmBearb::GetGroup(), 1);

    // Every named control exists, at its place where the layout fixes it.
    for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4",
                             "SpeedButton5", "SpeedButton7", "SpeedButton8"}) {
        EXPECT_EQ(Find<QToolButton>(Form(), name)->size(), QSize(32, 32)) << name;
    }
    EXPECT_EQ(Find<QToolButton>(Form(), "SpeedButton7")->pos(), QPoint(205, 5));
    EXPECT_EQ(Edit(Form(), 3)->geometry(), QRect(129, 109, 28, 37));
    EXPECT_EQ(Spin(Form(), 10)->geometry(), QRect(155, 435, 25, 37));
    EXPECT_EQ(Find<QFrame>(Form(), "Panel2")->width(), 235);
    EXPECT_EQ(Find<QFrame>(Form(), "Panel6")->geometry().size(), QSize(185, 183));
    for (int i = 2; i <= 12; ++i) {
        Find<QFrame>(Form(), QStringLiteral("Panel%1").arg(i));
    }
    const QStringList idents = {"Name", "Ident.No.", "Date", "Examiner"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Find<QLabel>(Form(), QStringLiteral("Label%1").arg(33 + i))->text(), idents[i]);
    }
}

TEST_F(MainWindowTest, TooltipsAreTextExactAndStayUp) {
    const auto* frequencyRange = Find<QLabel>(Form(), "RangeLabel4");
    EXPECT_EQ(frequencyRange->toolTip(), "Intakes per day, incl. snacks:\n"
                                         "Score 0:   0 - 3 intakes\n"
                                         "Score 1:   4 - 5 intakes\n"
                                         "Score 2:   6 - 7 intakes\n"
                                         "Score 3:   More than 7 intakes");
    EXPECT_EQ(frequencyRange->toolTipDuration(), 25000);
    EXPECT_EQ(Find<QLabel>(Form(), "FactorLabel1")->toolTip(),
              "Past caries experience, including cavities, fillings and\n"
              "missing teeth due to caries. Several new cavities\n"
              "definitely appearing during preceding year should give\n"
              "score \"3\" even if number of fillings is low.");
    const auto* susceptibility = Find<QFrame>(Form(), "Panel10");
    EXPECT_EQ(susceptibility->toolTip(),
              "Light blue sector \"Susceptibility\" is based on a combination of:\n"
              "FLUORIDE PROGRAM, SALIVA SECRETION and SALIVA BUFFER CAPACITY.\n"
              "The smaller the sector, the better from a dental health point of view.");
    EXPECT_EQ(susceptibility->toolTipDuration(), 25000);
    EXPECT_EQ(Find<QToolButton>(Form(), "SpeedButton5")->toolTip(),
              "Preliminary interpretation and\nproposed measures");
}

TEST_F(MainWindowTest, RejectedEntriesAreReportedAndLeaveTheModelAlone) {
    EnterScores(Form(), DefaultScores());
    const QStringList before = PieTexts(Form());
    QList<QMessageBox::Icon> icons;
    ModalCloser closer([&icons](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            icons << box->icon();
        }
        qobject_cast<QDialog*>(modal)->reject();
    });

    Type(Edit(Form(), 3), Qt::Key_X, "x");
    Type(Edit(Form(), 3), Qt::Key_7, "7");
    Type(Edit(Form(), 2), Qt::Key_3, "3");
    Type(Edit(Form(), 9), Qt::Key_3, "3");
    EXPECT_EQ(closer.Texts(), QStringList({"Not a numerical value", "Value out of range",
                                           "Value out of range", "Value out of range"}));
    EXPECT_EQ(closer.Titles(), QStringList({"", "", "", ""}));
    EXPECT_EQ(icons, QList<QMessageBox::Icon>(4, QMessageBox::Critical));
    // The character stays, the chart keeps the previous state.
    EXPECT_EQ(Edit(Form(), 3)->text(), "7");
    EXPECT_EQ(PieTexts(Form()), before);
    EXPECT_TRUE(ChartShown(Form()));
}

TEST_F(MainWindowTest, TypingReplacesTheCharacterAndOnlyLettersOrDigitsGetIn) {
    ModalCloser closer;
    Type(Edit(Form(), 4), Qt::Key_2, "2");
    EXPECT_EQ(Edit(Form(), 4)->text(), "2");
    Type(Edit(Form(), 4), Qt::Key_1, "1");
    EXPECT_EQ(Edit(Form(), 4)->text(), "1");
    Type(Edit(Form(), 4), Qt::Key_Comma, ",");
    EXPECT_EQ(Edit(Form(), 4)->text(), "1");
    Type(Edit(Form(), 4), Qt::Key_Backspace, "");
    EXPECT_EQ(Edit(Form(), 4)->text(), " ");
    // "Caries experience" is read-only: only its arrows set it.
    Type(Edit(Form(), 1), Qt::Key_2, "2");
    EXPECT_EQ(Edit(Form(), 1)->text(), " ");
    // A letter with Ctrl is a shortcut, with Alt a mnemonic, whatever text
    // the keyboard attaches: neither is typed nor raises a message.
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier),
          Qt::AltModifier | Qt::ShiftModifier, Qt::KeyboardModifiers(Qt::MetaModifier)}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_G, held, QStringLiteral("g"));
        QApplication::sendEvent(Edit(Form(), 4), &press);
        EXPECT_EQ(Edit(Form(), 4)->text(), " ") << held.toInt();
    }
    EXPECT_EQ(closer.Count(), 0);
}

TEST_F(MainWindowTest, ProgrammaticChangeIsCheckedExactlyOnce) {
    ModalCloser closer;
    Edit(Form(), 5)->setText("x");
    EXPECT_EQ(closer.Count(), 1);
    // Up from an unreadable text clears the row, without a further message.
    Spin(Form(), 5)->UpButton()->click();
    EXPECT_EQ(Edit(Form(), 5)->text(), " ");
    EXPECT_EQ(closer.Count(), 1);
}

TEST_F(MainWindowTest, SpinArrowsStepThroughBlankZeroToMaximum) {
    TSpinButton* related = Spin(Form(), 2);
    related->UpButton()->click();
    EXPECT_EQ(Edit(Form(), 2)->text(), "0");
    related->UpButton()->click();
    related->UpButton()->click();
    EXPECT_EQ(Edit(Form(), 2)->text(), "2");
    related->UpButton()->click(); // at the maximum: nothing changes
    EXPECT_EQ(Edit(Form(), 2)->text(), "2");
    related->DownButton()->click();
    related->DownButton()->click();
    EXPECT_EQ(Edit(Form(), 2)->text(), "0");
    related->DownButton()->click();
    EXPECT_EQ(Edit(Form(), 2)->text(), " ");
    // The read-only row is set with its arrows.
    Spin(Form(), 1)->UpButton()->click();
    EXPECT_EQ(Edit(Form(), 1)->text(), "0");
}

TEST_F(MainWindowTest, ClearingOneOfExactlySevenRowsHidesTheChart) {
    EnterScores(Form(), {"0", "", "1", "1", "1", "1", "", "0", "", "1"});
    ASSERT_EQ(Edit(Form(), 1)->text(), "0");
    EXPECT_TRUE(ChartShown(Form()));
    Spin(Form(), 1)->DownButton()->click();
    EXPECT_EQ(Edit(Form(), 1)->text(), " ");
    EXPECT_FALSE(ChartShown(Form()));
    Spin(Form(), 1)->UpButton()->click();
    EXPECT_TRUE(ChartShown(Form()));
}

TEST_F(MainWindowTest, AllDefaultsGiveTheFiveItemsInLegendOrder) {
    EnterScores(Form(), DefaultScores());
    EXPECT_TRUE(ChartShown(Form()));
    EXPECT_EQ(PieTexts(Form()),
              QStringList({"21.24 21%", "11.00 11%", "22.59 23%", "22.59 23%", "22.59 23%"}));
}

TEST_F(MainWindowTest, LowRiskCountryRaisesTheChanceOnly) {
    EnterScores(Form(), DefaultScores());
    const double chance = InmBearb::ChancePercent();
    const double ratio = InmBearb::DietPercent() / InmBearb::CircumstancesPercent();
    CountryArea()->setCurrentIndex(1);
    EXPECT_EQ(InmBearb::GetCountryArea(), 2);
    EXPECT_GT(InmBearb::ChancePercent(), chance);
    EXPECT_DOUBLE_EQ(InmBearb::DietPercent() / InmBearb::CircumstancesPercent(), ratio);
    EXPECT_NE(PieTexts(Form()).front(), "21.24 21%");
    // Both "Low risk": the figures of the worked example.
    Group()->setCurrentIndex(1);
    EXPECT_EQ(PieTexts(Form()).front(), "35.03 35%");
}

TEST_F(MainWindowTest, SelectionTextNamingNoItemHidesTheChart) {
    EnterScores(Form(), {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    EXPECT_TRUE(ChartShown(Form()));
    Group()->setEditText("Elderly");
    EXPECT_EQ(InmBearb::GetGroup(), 0);
    EXPECT_FALSE(ChartShown(Form()));
    Group()->setCurrentIndex(2);
    EXPECT_EQ(InmBearb::GetGroup(), 3);
    EXPECT_TRUE(ChartShown(Form()));
}

TEST_F(MainWindowTest, NewKeepsCountryAreaResetsGroupAndEmptiesNotes) {
    EnterScores(Form(), DefaultScores());
    CountryArea()->setCurrentIndex(2);
    Group()->setCurrentIndex(1);
    Form().Notes().name = "Ann";
    Form().Notes().lines = QStringList{"line"};
    Find<QLabel>(Form(), "Label33")->setText("Ann");

    Find<QToolButton>(Form(), "SpeedButton4")->click();
    EXPECT_EQ(CountryArea()->currentText(), "High risk");
    EXPECT_EQ(InmBearb::GetCountryArea(), 3);
    EXPECT_EQ(Group()->currentText(), "Standard set");
    EXPECT_EQ(InmBearb::GetGroup(), 1);
    for (int factor = 1; factor <= 9; ++factor) {
        EXPECT_EQ(Edit(Form(), factor)->text(), " ");
    }
    EXPECT_EQ(Edit(Form(), 10)->text(), "1");
    EXPECT_FALSE(ChartShown(Form()));
    EXPECT_TRUE(Form().Notes().name.isEmpty());
    EXPECT_TRUE(Form().Notes().lines.isEmpty());
    EXPECT_EQ(Find<QLabel>(Form(), "Label33")->text(), "Name");
    EXPECT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No");
    // The model followed the edits: entering seven factors again shows the
    // chart computed from them alone.
    EnterScores(Form(), {"2", "1", "2", "2", "2", "2", "", "", "", ""});
    EXPECT_TRUE(ChartShown(Form()));
}

TEST_F(MainWindowTest, MessageShowsOnceAndFocusComesBack) {
    Activate();
    ModalCloser closer;
    QLineEdit* diet = Edit(Form(), 3);
    diet->setFocus();
    Type(diet, Qt::Key_7, "7");
    QApplication::processEvents();
    EXPECT_EQ(closer.Count(), 1);
    EXPECT_TRUE(diet->hasFocus());

    // Leaving the edit while it holds the rejected character reports it once
    // more and brings the focus back, without a loop of messages.
    Edit(Form(), 4)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
    }
    EXPECT_EQ(closer.Count(), 2);
    EXPECT_EQ(closer.Texts().last(), "Value out of range");
    EXPECT_TRUE(diet->hasFocus());
}

TEST_F(MainWindowTest, ResizeLaysOutTheChartArea) {
    Form().show();
    Form().resize(1024, 700);
    QApplication::processEvents();
    const auto* area = Find<QFrame>(Form(), "Panel4");
    ASSERT_EQ(area->size(), QSize(1024 - 235, 700 - 42));
    EXPECT_EQ(Pie(Form())->geometry(), QRect(225, 67, 525, 525));
    EXPECT_EQ(Find<QFrame>(Form(), "Panel6")->geometry(), QRect(8, 658 - 183 - 7, 185, 183));
    Form().SetScreenWidth(800);
    EXPECT_EQ(Pie(Form())->size(), QSize(400, 400));
    // Narrower, down to the smallest window: the pie follows the width, the
    // legend stays at the bottom. D = 686 - 235 - 185 + 5 = 271, 271 * 0.9375.
    Form().resize(500, 600);
    QApplication::processEvents();
    ASSERT_EQ(Form().width(), 686);
    EXPECT_EQ(Pie(Form())->width(), 254);
    EXPECT_EQ(Find<QFrame>(Form(), "Panel6")->y(), 558 - 183 - 7);
}

// At its smallest the window still shows every control of the toolbar, the
// score column, the identification block and the legend whole and clear of
// the others; only the pie keeps shrinking.
TEST_F(MainWindowTest, AtItsSmallestSizeNoControlsOverlap) {
    Form().show();
    Form().resize(1, 1);
    QApplication::processEvents();
    ASSERT_EQ(Form().size(), QSize(686, 515));

    QList<QWidget*> controls;
    for (const char* container : {"Panel3", "Panel5", "Panel2"}) {
        controls << Find<QWidget>(Form(), container)
                        ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    controls << Find<QWidget>(Form(), "Panel12") << Find<QWidget>(Form(), "Panel6");
    const auto place = [this](const QWidget* control) {
        return QRect(control->mapTo(&Form(), QPoint(0, 0)), control->size());
    };
    // A row's spin button is attached to its edit and covers the edit's
    // right border, as designed; the two count as one control.
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

TEST_F(MainWindowTest, LegendColoursFollowTheDisplayDepth) {
    const auto centre = [this](const char* name) {
        auto* shape = Find<TShape>(Form(), name);
        QImage image(shape->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        shape->render(&image);
        // The centre and a corner: a filling pen covers both.
        EXPECT_EQ(image.pixelColor(1, 1), image.pixelColor(10, 10)) << name;
        return image.pixelColor(10, 10);
    };
    // The squares from top to bottom show the chart's palette for the depth.
    for (const int depth : {32, 8}) {
        Form().SetDisplayDepth(depth);
        const SectorPalette& colours = ScreenSectorColours(depth);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const std::string shape = "Shape" + std::to_string(i + 1);
            EXPECT_EQ(centre(shape.c_str()), colours[i]) << "depth " << depth;
        }
    }
}

} // namespace
