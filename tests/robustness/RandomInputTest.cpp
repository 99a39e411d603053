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
#include "model/Numeric.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"

#include <QClipboard>
#include <QComboBox>
#include <QFrame>
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
    all.push_back({Qt::Key_unknown, QString::fromUtf8("😀")});
    all.push_back({Qt::Key_Backspace, QStringLiteral("\b")});
    all.push_back({Qt::Key_Delete, QStringLiteral("\x7f")});
    all.push_back({Qt::Key_Return, QStringLiteral("\r")});
    for (const int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_End}) {
        all.push_back({key, {}});
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
    void TypeKey() {
        Reactivate();
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        const auto row = std::find(edits_.begin(), edits_.end(), edit) - edits_.begin();
        if (row == kFactors) {
            edits_[Pick(kFactors)]->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (Pick(40) == 0) {
            QApplication::clipboard()->setText(Pick(2) == 0 ? "2" : "x7");
        }
        const int index = Pick(strokes_.size());
        const Keystroke& stroke = strokes_[index];
        action_ = "keystroke " + std::to_string(index) + " into row " + std::to_string(row + 1);
        const QString before = edit->text();
        const int boxes = closer_.Texts().size();
        Type(edit, stroke.key, stroke.text, stroke.modifiers);
        Settle();
        const QString after = edit->text();
        const bool arrow = stroke.key == Qt::Key_Up || stroke.key == Qt::Key_Down;
        if ((row == 0 && !arrow) || stroke.inert) {
            EXPECT_EQ(after, before); // the first row is set with its arrows only
        }
        if (after != before) {
            const QString refusal = Refusal(after, kMaximum[row]);
            EXPECT_EQ(closer_.Texts().mid(boxes),
                      refusal.isEmpty() ? QStringList() : QStringList(refusal));
            rejected_ += refusal.isEmpty() ? 0 : 1;
        }
    }

    void Act() {
        const int choice = Pick(100);
        const int row = Pick(kFactors);
        const bool flip = Pick(2) == 0;
        if (choice < 55) {
            TypeKey();
        } else if (choice < 75) {
            action_ = (flip ? "up arrow of row " : "down arrow of row ") + std::to_string(row + 1);
            auto* spin = Find<TSpinButton>(Form(), QStringLiteral("SpinButton%1").arg(row + 1));
            (flip ? spin->UpButton() : spin->DownButton())->click();
        } else if (choice < 88) {
            Reactivate();
            action_ = "focus row " + std::to_string(row + 1);
            QWidget* focus = QApplication::focusWidget();
            if (focus != nullptr && Pick(3) == 0) {
                action_ = "Tab";
                Type(focus, Qt::Key_Tab, QStringLiteral("\t"));
            } else {
                edits_[row]->setFocus(Qt::MouseFocusReason);
            }
        } else if (choice < 97) {
            const int index = Pick(5) == 0 ? -1 : Pick(3); // now and then no selection
            action_ = (flip ? "Country/Area to item " : "Group to item ") + std::to_string(index);
            Find<QComboBox>(Form(), flip ? "ComboBox2" : "ComboBox1")->setCurrentIndex(index);
            (flip ? countryCode_ : groupCode_) = static_cast<std::uint8_t>(index + 1);
        } else {
            action_ = "New";
            Click(Form(), "SpeedButton4");
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
        chartSteps_ += shown ? 1 : 0;
        ASSERT_EQ(Pie(Form())->isVisible(), shown) << " missing " << missing;
        ASSERT_EQ(Find<QFrame>(Form(), "Panel7")->isVisible(), !shown);
        ASSERT_EQ(Find<QToolButton>(Form(), "SpeedButton7")->isEnabled(), shown);
        ASSERT_EQ(Find<QToolButton>(Form(), "SpeedButton5")->isEnabled(), shown);
        if (!shown) {
            return;
        }
        // While the chart shows, its five lines against a fresh model fed the
        // accepted texts.
        const std::array<double, 5> expected = {fresh.ChancePercent(), fresh.CircumstancesPercent(),
                                                fresh.SusceptibilityPercent(),
                                                fresh.BacteriaPercent(), fresh.DietPercent()};
        QStringList items;
        for (double value : expected) {
            value = items.isEmpty() ? std::max(value, 0.5) : value;
            items << QString::fromStdString(Numeric::FixedTwo(value) + ' ' +
                                            Numeric::IntegerText(Numeric::RoundToInt(value)) + '%');
        }
        ASSERT_EQ(PieTexts(Form()), items);
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
    ModalCloser closer_;
    std::mt19937_64 random_;
    std::uint64_t seed_ = 0;
    int step_ = 0;
    std::string action_;
    int chartSteps_ = 0;
    int rejected_ = 0;
    // The expected state, kept from the actions alone.
    std::array<QString, kFactors> accepted_;
    std::uint8_t countryCode_ = 1;
    std::uint8_t groupCode_ = 1;
};

TEST_P(RandomInput, EveryActionLeavesWindowAndModelInAgreement) {
    Start();
    for (int i = 0; i < kFactors; ++i) {
        edits_[i] = Edit(Form(), i + 1);
        accepted_[i] = edits_[i]->text();
    }
    const int actions = Setting("DENTIPLOT_RANDOM_ACTIONS", 3000);
    seed_ = static_cast<std::uint64_t>(Setting("DENTIPLOT_RANDOM_SEED", 20261206) + GetParam());
    std::cout << "random input seed: " << seed_ << std::endl;
    random_.seed(seed_);
    for (step_ = 0; step_ < actions && !HasFailure(); ++step_) {
        Act();
        CheckInvariants();
    }
    EXPECT_FALSE(HasFailure()) << "seed " << seed_ << ", action " << step_ - 1 << " (" << action_
                               << ")";
    // A stream that never showed the chart or never typed a refused
    // character would have proved little.
    EXPECT_GT(chartSteps_, actions / 20);
    EXPECT_LT(chartSteps_, actions - actions / 10);
    EXPECT_GT(rejected_, actions / 100);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInput,
                         ::testing::Range(0, Setting("DENTIPLOT_RANDOM_SEEDS", 2)));

} // namespace
