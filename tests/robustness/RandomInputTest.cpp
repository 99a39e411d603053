// Random user input on the whole program: a reproducible stream of key
// presses, arrow clicks, focus moves, selector changes, advice and "New" on
// the main window. After every action the window must still tell the truth,
// judged here on its own terms rather than by the program's rules: each edit
// holds one blank or letter-or-digit, the risk model holds the last accepted
// text of each edit, a refused text is answered by exactly one box with its
// message, and the chart, "Print", the advice command and the placeholder
// switch together exactly when at most three factors are blank and both
// selections are made.
//
// By default two streams of 3,000 actions run. DENTIPLOT_RANDOM_SEEDS and
// DENTIPLOT_RANDOM_ACTIONS ask for more, DENTIPLOT_RANDOM_SEED for another
// first seed; each stream prints its seed so that it can be replayed.

#include "mainwindow/SpinButton.h"
#include "model/InmBearb.h"
#include "model/Numeric.h"
#include "model/RiskModel.h"
#include "piechart/Pieflytt.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <iostream>
#include <random>

using namespace MainWindowSupport;

namespace {

constexpr int kFactors = 10;
constexpr std::array<int, kFactors> kMaximum = {3, 2, 3, 3, 3, 3, 3, 3, 2, 3};
const QString kBlank = QStringLiteral(" ");

int Setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The message a refused text must raise; empty when the text is accepted:
// the blank, or one ASCII digit up to the row's maximum.
QString Refusal(const QString& text, int maximum) {
    if (text == kBlank) {
        return {};
    }
    if (text.size() != 1 || text[0] < QLatin1Char('0') || text[0] > QLatin1Char('9')) {
        return QStringLiteral("Not a numerical value");
    }
    return text[0].unicode() - u'0' <= maximum ? QString() : QStringLiteral("Value out of range");
}

struct Keystroke {
    int key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool inert = false; // a mnemonic or a shortcut that must not type
};

// Digits, letters, punctuation, letters and digits of other scripts, symbols,
// format and combining characters, a character beyond the basic plane,
// control characters, editing keys, arrows, and Ctrl or Alt with a letter.
const std::vector<Keystroke>& Keystrokes() {
    static const std::vector<Keystroke> strokes = [] {
        std::vector<Keystroke> all;
        for (int repeat = 0; repeat < 6; ++repeat) { // mostly digits
            for (int digit = 0; digit <= 9; ++digit) {
                all.push_back({Qt::Key_0 + digit, QString::number(digit)});
            }
        }
        for (const QChar c : QStringLiteral("abxzAQ-+ ./,;*")) {
            all.push_back({c.toUpper().unicode(), QString(c)});
        }
        for (const QChar c : QString::fromUtf8("éßЖ٣²５中Ω€\u200D\u0301\x01\x1b\t")) {
            all.push_back({Qt::Key_unknown, QString(c)});
        }
        all.push_back({Qt::Key_unknown, QString::fromUtf8("😀")});
        all.push_back({Qt::Key_Backspace, QStringLiteral("\b")});
        all.push_back({Qt::Key_Delete, QStringLiteral("\x7f")});
        all.push_back({Qt::Key_Return, QStringLiteral("\r")});
        for (const int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_End}) {
            all.push_back({key, {}});
        }
        // Ctrl with an editing key or none; the command shortcuts Ctrl+N, P
        // and Q stay out of the stream.
        for (const QChar c : QStringLiteral("acgvxz")) {
            const int key = c.toUpper().unicode();
            all.push_back({key, QString(QChar(key - Qt::Key_A + 1)), Qt::ControlModifier,
                           QStringLiteral("acg").contains(c)});
            all.push_back({key, QString(c), Qt::AltModifier, true});
        }
        return all;
    }();
    return strokes;
}

class RandomInput : public ProgramTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        Start();
        for (int i = 0; i < kFactors; ++i) {
            edits_[i] = Edit(Form(), i + 1);
            accepted_[i] = edits_[i]->text();
        }
    }

    void TypeKey() {
        Reactivate();
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        const int row =
            static_cast<int>(std::find(edits_.begin(), edits_.end(), edit) - edits_.begin());
        if (row == kFactors) {
            edits_[Pick(kFactors)]->setFocus(Qt::MouseFocusReason);
            Settle();
            return;
        }
        if (Pick(40) == 0) {
            QApplication::clipboard()->setText(Pick(2) == 0 ? "2" : "x7");
        }
        const int index = Pick(Keystrokes().size());
        const Keystroke& stroke = Keystrokes()[index];
        action_ = "keystroke " + std::to_string(index) + " into row " + std::to_string(row + 1);
        const QString before = edit->text();
        const int boxes = closer_->Texts().size();
        Type(edit, stroke.key, stroke.text, stroke.modifiers);
        Settle();
        const QString after = edit->text();
        const bool arrow = stroke.key == Qt::Key_Up || stroke.key == Qt::Key_Down;
        if ((row == 0 && !arrow) || stroke.inert) {
            // The first row is set with its arrows only.
            EXPECT_EQ(after, before) << Where();
        }
        if (after == before) {
            return;
        }
        const QString refusal = Refusal(after, kMaximum[row]);
        const QStringList raised = closer_->Texts().mid(boxes);
        EXPECT_EQ(raised, refusal.isEmpty() ? QStringList() : QStringList(refusal)) << Where();
        rejected_ += refusal.isEmpty() ? 0 : 1;
    }

    void ClickSpin() {
        const int row = Pick(kFactors);
        const bool up = Pick(2) == 0;
        action_ = (up ? "up arrow of row " : "down arrow of row ") + std::to_string(row + 1);
        auto* spin = Find<TSpinButton>(Form(), QStringLiteral("SpinButton%1").arg(row + 1));
        (up ? spin->UpButton() : spin->DownButton())->click();
        Settle();
    }

    void MoveFocus() {
        Reactivate();
        const int row = Pick(kFactors);
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && Pick(3) == 0) {
            action_ = "Tab";
            Type(focus, Qt::Key_Tab, QStringLiteral("\t"));
        } else {
            action_ = "focus row " + std::to_string(row + 1);
            edits_[row]->setFocus(Qt::MouseFocusReason);
        }
        Settle();
    }

    void ChangeSelector() {
        const bool country = Pick(2) == 0;
        const int index = Pick(5) == 0 ? -1 : Pick(3); // now and then no selection
        action_ = (country ? "Country/Area to item " : "Group to item ") + std::to_string(index);
        Find<QComboBox>(Form(), country ? "ComboBox2" : "ComboBox1")->setCurrentIndex(index);
        (country ? countryCode_ : groupCode_) = static_cast<std::uint8_t>(index + 1);
        Settle();
    }

    void PressNew() {
        action_ = "New";
        Click(Form(), "SpeedButton4");
        Settle();
        groupCode_ = 1;
        newPressed_ = true;
    }

    // While an edit holds a refused text the advice command answers with
    // that text's message, for the first such row, instead of the advice.
    void AskAdvice() {
        action_ = "advice";
        const bool enabled = Find<QToolButton>(Form(), "SpeedButton5")->isEnabled();
        QString refusal;
        for (int row = 0; row < kFactors && refusal.isEmpty(); ++row) {
            refusal = Refusal(edits_[row]->text(), kMaximum[row]);
        }
        const QStringList titles = closer_->Titles();
        const int boxes = closer_->Texts().size();
        Click(Form(), "SpeedButton5");
        Settle();
        QStringList expected;
        if (enabled) {
            expected << (refusal.isEmpty() ? QStringLiteral("TAdvice") : refusal);
        }
        QStringList seen = closer_->Texts().mid(boxes);
        if (closer_->Titles().size() - titles.size() > seen.size()) {
            seen << QStringLiteral("TAdvice");
        }
        EXPECT_EQ(seen, expected) << Where();
    }

    void CheckInvariants() {
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << Where() << " a box stayed open";
        int missing = 0;
        for (int i = 0; i < kFactors; ++i) {
            const QString text = edits_[i]->text();
            ASSERT_TRUE(text == kBlank || (text.size() == 1 && text[0].isLetterOrNumber()))
                << Where() << " row " << i + 1 << " holds " << text.size()
                << " characters: " << text.toStdString();
            if (Refusal(text, kMaximum[i]).isEmpty()) {
                accepted_[i] = text;
            }
            missing += accepted_[i] == kBlank ? 1 : 0;
        }
        ASSERT_EQ(InmBearb::GetCountryArea(), countryCode_) << Where();
        ASSERT_EQ(InmBearb::GetGroup(), groupCode_) << Where();
        const bool shown = missing < 4 && countryCode_ != 0 && groupCode_ != 0;
        chartSteps_ += shown ? 1 : 0;
        ASSERT_EQ(Pie(Form())->isVisible(), shown) << Where() << " missing " << missing;
        ASSERT_EQ(Find<QFrame>(Form(), "Panel7")->isVisible(), !shown) << Where();
        ASSERT_EQ(Find<QToolButton>(Form(), "SpeedButton7")->isEnabled(), shown) << Where();
        ASSERT_EQ(Find<QToolButton>(Form(), "SpeedButton5")->isEnabled(), shown) << Where();
        if (newPressed_) {
            ASSERT_EQ(Find<QLabel>(Form(), "Label34")->text(), "Ident.No") << Where();
            ASSERT_EQ(Find<QComboBox>(Form(), "ComboBox1")->currentText(), "Standard set");
            newPressed_ = false;
        }
        if (missing < 4) {
            CheckPercentages();
        }
    }

    // The program's model against a fresh one fed the accepted texts; while
    // the chart shows, its five lines against the same figures.
    void CheckPercentages() {
        InmBearb::RiskModel fresh;
        fresh.SetCountryArea(countryCode_);
        fresh.SetGroup(groupCode_);
        for (int i = 0; i < kFactors; ++i) {
            fresh.EnterScore(static_cast<std::uint8_t>(i + 1), accepted_[i].toStdString());
        }
        const std::array<double, 5> expected = {fresh.ChancePercent(), fresh.CircumstancesPercent(),
                                                fresh.SusceptibilityPercent(),
                                                fresh.BacteriaPercent(), fresh.DietPercent()};
        const std::array<double, 5> actual = {InmBearb::ChancePercent(),
                                              InmBearb::CircumstancesPercent(),
                                              InmBearb::SusceptibilityPercent(),
                                              InmBearb::BacteriaPercent(), InmBearb::DietPercent()};
        ASSERT_EQ(actual, expected) << Where();
        if (Pie(Form())->isVisible()) {
            QStringList items;
            for (int i = 0; i < 5; ++i) {
                const double value = i == 0 && expected[0] < 0.5 ? 0.5 : expected[i];
                items << QString::fromStdString(Numeric::FixedTwo(value) + ' ' +
                                                Numeric::IntegerText(Numeric::RoundToInt(value)) +
                                                '%');
            }
            ASSERT_EQ(PieTexts(Form()), items) << Where();
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

    std::string Where() const {
        return "seed " + std::to_string(seed_) + ", action " + std::to_string(step_) + " (" +
               action_ + "):";
    }

    std::array<QLineEdit*, kFactors> edits_{};
    std::unique_ptr<ModalCloser> closer_ = std::make_unique<ModalCloser>();
    std::mt19937_64 random_;
    std::uint64_t seed_ = 0;
    int step_ = 0;
    std::string action_;
    int chartSteps_ = 0;
    int rejected_ = 0;
    bool newPressed_ = false;
    // The expected state, kept from the actions alone.
    std::array<QString, kFactors> accepted_;
    std::uint8_t countryCode_ = 1;
    std::uint8_t groupCode_ = 1;
};

TEST_P(RandomInput, EveryActionLeavesWindowAndModelInAgreement) {
    const int actions = Setting("DENTIPLOT_RANDOM_ACTIONS", 3000);
    seed_ = static_cast<std::uint64_t>(Setting("DENTIPLOT_RANDOM_SEED", 20261206) + GetParam());
    std::cout << "random input seed: " << seed_ << std::endl;
    random_.seed(seed_);
    for (step_ = 0; step_ < actions && !HasFailure(); ++step_) {
        const int choice = Pick(100);
        if (choice < 55) {
            TypeKey();
        } else if (choice < 75) {
            ClickSpin();
        } else if (choice < 88) {
            MoveFocus();
        } else if (choice < 95) {
            ChangeSelector();
        } else if (choice < 98) {
            AskAdvice();
        } else {
            PressNew();
        }
        CheckInvariants();
    }
    // A stream that never showed the chart or never typed a refused
    // character would have proved little.
    EXPECT_GT(chartSteps_, actions / 20);
    EXPECT_LT(chartSteps_, actions - actions / 10);
    EXPECT_GT(rejected_, actions / 100);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInput,
                         ::testing::Range(0, Setting("DENTIPLOT_RANDOM_SEEDS", 2)));

} // namespace
