// Random user input on the whole program: a long, reproducible stream of key
// presses, arrow clicks, selector changes, "New", notes and focus moves on the
// main window. After every action the window must still tell the truth: the
// risk model holds the last accepted text of each score edit, and the chart,
// "Print", the advice button and the placeholder switch together exactly when
// at most three factors are blank and both selections are made.
//
// The stream comes from a fixed seed, printed at the start of each test; pass
// --seed=<number> on the command line to replay another one.

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "mainwindow/SpinButton.h"
#include "model/InmBearb.h"
#include "model/Numeric.h"
#include "model/RiskModel.h"
#include "notes/InputId.h"
#include "notes/TRECode.h"
#include "piechart/Pieflytt.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

std::uint64_t g_seed = 20261206;

constexpr int kFactors = 10;
constexpr std::array<int, kFactors> kMaximum = {3, 2, 3, 3, 3, 3, 3, 3, 2, 3};
const QString kBlank = QStringLiteral(" ");
const QString kNotNumeric = QStringLiteral("Not a numerical value");
const QString kOutOfRange = QStringLiteral("Value out of range");

// What a score edit's text means, judged here on its own terms so that the
// program's rules are checked rather than repeated: the blank, one ASCII digit
// up to the row's maximum, or a rejection with its message.
struct Judgement {
    bool accepted = false;
    QString message; // empty when accepted
};

Judgement Judge(const QString& text, int maximum) {
    if (text == kBlank) {
        return {true, {}};
    }
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
        if (text[0].unicode() - u'0' <= maximum) {
            return {true, {}};
        }
        return {false, kOutOfRange};
    }
    return {false, kNotNumeric};
}

// One keystroke: the key code, its text and modifiers, as a keyboard sends it.
struct Keystroke {
    int key = 0;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    std::string Describe() const {
        std::ostringstream out;
        out << "key 0x" << std::hex << key << " mods 0x" << modifiers.toInt() << std::dec
            << " text \"";
        for (const QChar c : text) {
            out << "\\u" << std::hex << static_cast<int>(c.unicode()) << std::dec;
        }
        out << '"';
        return out.str();
    }
};

// Every message box and the notes dialog are answered the moment they show.
// The notes dialog is handed to `notesAnswer`; message boxes are recorded and
// confirmed with OK.
class ModalAnswerer {
public:
    ModalAnswerer() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    std::vector<Box> boxes;
    int dialogs = 0; // other dialogs, closed with Cancel
    std::function<void(TPatientIdent&)> notesAnswer;

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.push_back({box->windowTitle(), box->text(), box->icon()});
            box->done(QMessageBox::Ok);
        } else if (auto* notes = qobject_cast<TPatientIdent*>(modal); notes && notesAnswer) {
            notesAnswer(*notes);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++dialogs;
            dialog->reject();
        } else {
            modal->close();
        }
    }
    QTimer timer_;
};

class RandomInput : public ::testing::TestWithParam<int> {
protected:
    static constexpr int kActions = 25000;

    void SetUp() override {
        // The risk model lives for the whole process; each program starts
        // with nothing entered, as a fresh process would.
        for (std::uint8_t factor = 1; factor <= kFactors; ++factor) {
            InmBearb::EnterScore(factor, " ");
        }
        program_ = std::make_unique<TDentiplotProgram>();
        form_ = &program_->Form1();
        form_->SetDisplayDepth(32);
        form_->SetScreenWidth(1024);
        form_->show();
        form_->activateWindow();
        QApplication::setActiveWindow(form_);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), form_);

        for (int i = 0; i < kFactors; ++i) {
            edits_[i] = form_->findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(i + 1));
            spins_[i] = form_->findChild<TSpinButton*>(QStringLiteral("SpinButton%1").arg(i + 1));
            ASSERT_NE(edits_[i], nullptr);
            ASSERT_NE(spins_[i], nullptr);
            accepted_[i] = edits_[i]->text();
        }
        countryArea_ = form_->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
        group_ = form_->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        newButton_ = form_->findChild<QToolButton*>(QStringLiteral("SpeedButton4"));
        notesButton_ = form_->findChild<QToolButton*>(QStringLiteral("SpeedButton8"));
        printButton_ = form_->findChild<QToolButton*>(QStringLiteral("SpeedButton7"));
        adviceButton_ = form_->findChild<QToolButton*>(QStringLiteral("SpeedButton5"));
        placeholder_ = form_->findChild<QFrame*>(QStringLiteral("Panel7"));
        pie_ = form_->findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"));
        for (int i = 0; i < 4; ++i) {
            identLabels_[i] = form_->findChild<QLabel*>(QStringLiteral("Label%1").arg(33 + i));
            ASSERT_NE(identLabels_[i], nullptr);
        }
        ASSERT_TRUE(countryArea_ && group_ && newButton_ && notesButton_ && printButton_ &&
                    adviceButton_ && placeholder_ && pie_);
        identTexts_ = {QStringLiteral("Name"), QStringLiteral("Ident.No."), QStringLiteral("Date"),
                       QStringLiteral("Examiner")};
    }

    void TearDown() override {
        form_ = nullptr;
        program_.reset();
    }

    // --- the actions ---------------------------------------------------------

    Keystroke RandomKeystroke() {
        static const QString kLetters = QStringLiteral("abcxyzABQZ");
        static const QString kPunctuation = QStringLiteral("-+ ./,;'*");
        // Letters and digits of other scripts: accented, German, Cyrillic,
        // Arabic-Indic three, superscript two, full-width five, CJK.
        static const QString kForeign = QString::fromUtf8("éßЖ٣²５中Ω");
        switch (Pick(12)) {
        case 0:
        case 1:
        case 2:
        case 3: { // a digit, mostly inside the ranges
            const int digit = Pick(10) < 7 ? Pick(4) : Pick(10);
            return {Qt::Key_0 + digit, QString(QChar(u'0' + digit))};
        }
        case 4: {
            const QChar c = kLetters[Pick(kLetters.size())];
            return {Qt::Key_A + (c.toUpper().unicode() - u'A'), QString(c)};
        }
        case 5: {
            const QChar c = kPunctuation[Pick(kPunctuation.size())];
            return {c.unicode(), QString(c)};
        }
        case 6:
            return {Qt::Key_unknown, QString(kForeign[Pick(kForeign.size())])};
        case 7: // symbols, format characters and a character beyond the
                // basic plane
            switch (Pick(4)) {
            case 0:
                return {Qt::Key_unknown, QString::fromUtf8("€")};
            case 1:
                return {Qt::Key_unknown, QString(QChar(0x200D))};
            case 2:
                return {Qt::Key_unknown, QString::fromUtf8("😀")};
            default:
                return {Qt::Key_unknown, QString(QChar(0x0301))};
            }
        case 8:
            return Pick(2) == 0 ? Keystroke{Qt::Key_Backspace, QStringLiteral("\b")}
                                : Keystroke{Qt::Key_Delete, QStringLiteral("\x7f")};
        case 9: { // Ctrl with a letter: editing shortcuts and control characters
            const int letter = Pick(26);
            const Keystroke stroke{Qt::Key_A + letter, QString(QChar(1 + letter)),
                                   Qt::ControlModifier};
            // Toolbar commands on the keyboard are left to their own tests;
            // this stream stays inside the edits.
            return BoundToCommand(stroke) ? Keystroke{Qt::Key_Left, {}} : stroke;
        }
        case 10: // Enter, Escape, arrow keys, Home, End
            switch (Pick(7)) {
            case 5:
                return {Qt::Key_Up, {}};
            case 6:
                return {Qt::Key_Down, {}};
            case 0:
                return {Qt::Key_Return, QStringLiteral("\r")};
            case 1:
                return {Qt::Key_Escape, QStringLiteral("\x1b")};
            case 2:
                return {Qt::Key_Left, {}};
            case 3:
                return {Qt::Key_Home, {}, Qt::ShiftModifier};
            default:
                return {Qt::Key_End, {}};
            }
        default: { // a bare control character
            const int code = 1 + Pick(31);
            return {Qt::Key_unknown, QString(QChar(code))};
        }
        }
    }

    bool BoundToCommand(const Keystroke& stroke) const {
        const QKeySequence sequence(QKeyCombination(stroke.modifiers, Qt::Key(stroke.key)));
        const QList<QShortcut*> shortcuts = form_->findChildren<QShortcut*>();
        return std::ranges::any_of(shortcuts, [&](const QShortcut* shortcut) {
            return shortcut->keys().contains(sequence);
        });
    }

    // Types one key into the score edit that has the focus (focusing one
    // first when the focus is elsewhere). A new text that is rejected must be
    // answered by its message; one that is accepted by no message at all.
    void TypeKey() {
        Reactivate();
        QLineEdit* edit = FocusedEdit();
        if (edit == nullptr) {
            edit = edits_[Pick(kFactors)];
            edit->setFocus(Qt::MouseFocusReason);
            Settle();
        }
        edit = FocusedEdit();
        if (edit == nullptr) {
            return; // a message box moved the focus; the next action goes on
        }
        if (Pick(40) == 0) { // now and then a paste from the clipboard
            static const QStringList kClips = {QStringLiteral("2"), QStringLiteral("x7"),
                                               QStringLiteral(""), QStringLiteral("  "),
                                               QString::fromUtf8("٣")};
            QApplication::clipboard()->setText(kClips[Pick(kClips.size())]);
        }
        const Keystroke stroke = RandomKeystroke();
        action_ = "type into " + edit->objectName().toStdString() + ": " + stroke.Describe();
        const QString before = edit->text();
        answerer_.boxes.clear();
        QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
        QApplication::sendEvent(edit, &release);
        Settle();
        const QString after = edit->text();
        const int row = RowOf(edit);
        if (after == before || row < 0) {
            return;
        }
        const Judgement judgement = Judge(after, kMaximum[row]);
        if (judgement.accepted) {
            EXPECT_TRUE(answerer_.boxes.empty())
                << Where() << " an accepted entry raised \""
                << answerer_.boxes.front().text.toStdString() << '"';
        } else {
            ++rejected_;
            ASSERT_FALSE(answerer_.boxes.empty()) << Where() << " a rejected entry went unreported";
            const ModalAnswerer::Box& box = answerer_.boxes.front();
            EXPECT_EQ(box.text, judgement.message) << Where();
            EXPECT_TRUE(box.title.isEmpty()) << Where();
            EXPECT_EQ(box.icon, QMessageBox::Critical) << Where();
        }
    }

    void ClickSpin() {
        const int row = Pick(kFactors);
        const bool up = Pick(2) == 0;
        action_ = std::string(up ? "up" : "down") + " arrow of row " + std::to_string(row + 1);
        QToolButton* button = up ? spins_[row]->UpButton() : spins_[row]->DownButton();
        button->click();
        Settle();
    }

    void MoveFocus() {
        if (Pick(3) == 0 && QApplication::focusWidget() != nullptr) {
            Reactivate();
            action_ = "Tab";
            const Keystroke tab = Pick(2) == 0 ? Keystroke{Qt::Key_Tab, QStringLiteral("\t")}
                                               : Keystroke{Qt::Key_Backtab, {}, Qt::ShiftModifier};
            QKeyEvent press(QEvent::KeyPress, tab.key, tab.modifiers, tab.text);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        } else {
            QLineEdit* edit = edits_[Pick(kFactors)];
            action_ = "focus " + edit->objectName().toStdString();
            edit->setFocus(Pick(2) == 0 ? Qt::MouseFocusReason : Qt::TabFocusReason);
        }
        Settle();
    }

    void ChangeSelector() {
        const bool country = Pick(2) == 0;
        // Mostly a real item; sometimes no selection at all.
        const int index = Pick(5) == 0 ? -1 : Pick(3);
        action_ =
            std::string(country ? "Country/Area" : "Group") + " to item " + std::to_string(index);
        (country ? countryArea_ : group_)->setCurrentIndex(index);
        (country ? countryCode_ : groupCode_) = static_cast<std::uint8_t>(index + 1);
        Settle();
    }

    void PressNew() {
        action_ = "New";
        newButton_->click();
        Settle();
        groupCode_ = 1;
        store_ = {};
        storedComment_.clear();
        identTexts_ = {QStringLiteral("Name"), QStringLiteral("Ident.No"), QStringLiteral("Date"),
                       QStringLiteral("Examiner")};
        EXPECT_EQ(group_->currentText(), QStringLiteral("Standard set")) << Where();
    }

    // The advice command reads the edits as they stand. While one holds a
    // character its entry check refused, the command answers with that
    // check's message for the first such row and the advice window does not
    // show: the advice would otherwise contradict the chart.
    void AskAdvice() {
        action_ = "advice";
        const bool enabled = adviceButton_->isEnabled();
        QString refusal;
        for (int row = 0; row < kFactors && refusal.isEmpty(); ++row) {
            const Judgement judgement = Judge(edits_[row]->text(), kMaximum[row]);
            if (!judgement.accepted) {
                refusal = judgement.message;
            }
        }
        answerer_.boxes.clear();
        answerer_.dialogs = 0;
        adviceButton_->click();
        Settle();
        if (!enabled) {
            EXPECT_TRUE(answerer_.boxes.empty() && answerer_.dialogs == 0) << Where();
        } else if (!refusal.isEmpty()) {
            ASSERT_EQ(answerer_.boxes.size(), 1u) << Where();
            EXPECT_TRUE(answerer_.boxes[0].title.isEmpty()) << Where();
            EXPECT_EQ(answerer_.boxes[0].text, refusal) << Where();
            EXPECT_EQ(answerer_.dialogs, 0) << Where();
        } else {
            EXPECT_TRUE(answerer_.boxes.empty()) << Where();
            EXPECT_EQ(answerer_.dialogs, 1) << Where() << " the advice window did not show";
        }
    }

    QString RandomText(int longest) {
        static const QString kChars = QString::fromUtf8("abcdefghij KLMNOP 0123456789 -./,åäöéЖ中");
        QString text;
        const int length = Pick(longest + 1);
        for (int i = 0; i < length; ++i) {
            text += kChars[Pick(kChars.size())];
        }
        return text;
    }

    static void TypeText(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            const int key = c == QLatin1Char('\n') ? Qt::Key_Return : Qt::Key_unknown;
            const QString sent = c == QLatin1Char('\n') ? QStringLiteral("\r") : QString(c);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, sent);
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, sent);
            QApplication::sendEvent(widget, &release);
        }
    }

    // Opens the notes, types into the four fields (after what they hold) and
    // replaces the comment, then closes with OK or Cancel.
    void OpenNotes() {
        const bool ok = Pick(2) == 0;
        action_ = std::string("notes, ") + (ok ? "OK" : "Cancel");
        std::array<QString, 4> fields;
        QString comment;
        bool answered = false;
        answerer_.notesAnswer = [&](TPatientIdent& dialog) {
            std::array<QLineEdit*, 4> edits = {dialog.Edit1, dialog.Edit2, dialog.Edit3,
                                               dialog.Edit4};
            for (int i = 0; i < 4; ++i) {
                edits[i]->setFocus();
                edits[i]->end(false);
                TypeText(edits[i], RandomText(40));
                fields[i] = edits[i]->text();
            }
            dialog.SRichEdit1->setFocus();
            QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier,
                                QStringLiteral("\x01"));
            QApplication::sendEvent(dialog.SRichEdit1, &selectAll);
            QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QApplication::sendEvent(dialog.SRichEdit1, &erase);
            for (int line = Pick(4); line > 0; --line) {
                comment += RandomText(60) + QLatin1Char('\n');
            }
            comment += RandomText(30);
            TypeText(dialog.SRichEdit1, comment);
            answered = true;
            (ok ? dialog.OKBtn : dialog.Cancel)->click();
        };
        notesButton_->click();
        Settle();
        answerer_.notesAnswer = nullptr;
        ASSERT_TRUE(answered) << Where() << " the notes dialog did not open";
        if (!ok) {
            return;
        }
        const std::array<int, 4> capacity = {31, 31, 23, 31};
        const std::array<QString, 4> fallback = {
            QStringLiteral("Name"), QStringLiteral("Ident.No."), QStringLiteral("Date"),
            QStringLiteral("Examiner")};
        store_ = {};
        for (int i = 0; i < 4; ++i) {
            store_[i] = fields[i].left(capacity[i]);
            identTexts_[i] = store_[i].isEmpty() ? fallback[i] : store_[i];
        }
        storedComment_ = WithoutWhitespace(comment);
    }

    // --- checking -------------------------------------------------------------

    static QString WithoutWhitespace(QString text) {
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        return text;
    }

    void CheckInvariants() {
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << Where() << " a box stayed open";
        int missing = 0;
        for (int i = 0; i < kFactors; ++i) {
            const QString text = edits_[i]->text();
            ASSERT_EQ(text.size(), 1)
                << Where() << " MaskEdit" << i + 1 << " holds \"" << text.toStdString() << '"';
            if (Judge(text, kMaximum[i]).accepted) {
                accepted_[i] = text;
            }
            missing += accepted_[i] == kBlank ? 1 : 0;
        }
        ASSERT_EQ(InmBearb::GetCountryArea(), countryCode_) << Where();
        ASSERT_EQ(InmBearb::GetGroup(), groupCode_) << Where();

        const bool shown = missing < 4 && countryCode_ != 0 && groupCode_ != 0;
        chartSteps_ += shown ? 1 : 0;
        ASSERT_EQ(pie_->isVisible(), shown) << Where() << " missing " << missing;
        ASSERT_EQ(placeholder_->isVisible(), !shown) << Where();
        ASSERT_EQ(printButton_->isEnabled(), shown) << Where();
        ASSERT_EQ(adviceButton_->isEnabled(), shown) << Where();
        if (missing < 4) {
            CheckPercentages();
        }
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(identLabels_[i]->text(), identTexts_[i]) << Where();
        }
        const NotesStore& notes = form_->Notes();
        ASSERT_EQ(notes.name, store_[0]) << Where();
        ASSERT_EQ(notes.identNo, store_[1]) << Where();
        ASSERT_EQ(notes.date, store_[2]) << Where();
        ASSERT_EQ(notes.examiner, store_[3]) << Where();
        ASSERT_EQ(WithoutWhitespace(notes.lines.join(QString())), storedComment_) << Where();
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
        if (!pie_->isVisible()) {
            return;
        }
        const TStringListWithDouble& data = pie_->PieData();
        ASSERT_EQ(data.Count(), 5) << Where();
        for (int i = 0; i < 5; ++i) {
            const double value = i == 0 && expected[0] < 0.5 ? 0.5 : expected[i];
            const QString item =
                QString::fromStdString(Numeric::FixedTwo(value)) + QLatin1Char(' ') +
                QString::fromStdString(Numeric::IntegerText(Numeric::RoundToInt(value))) +
                QLatin1Char('%');
            ASSERT_EQ(data.Text(i), item) << Where() << " sector " << i;
        }
    }

    // --- helpers --------------------------------------------------------------

    int Pick(qsizetype count) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_);
    }

    QLineEdit* FocusedEdit() const {
        QWidget* focus = QApplication::focusWidget();
        for (QLineEdit* edit : edits_) {
            if (edit == focus) {
                return edit;
            }
        }
        return nullptr;
    }

    int RowOf(const QLineEdit* edit) const {
        for (int i = 0; i < kFactors; ++i) {
            if (edits_[i] == edit) {
                return i;
            }
        }
        return -1;
    }

    // The user clicks back into the main window when another window took
    // the activation (offscreen, a closed dialog does not hand it back).
    void Reactivate() {
        if (QApplication::activeWindow() != form_) {
            form_->activateWindow();
            QApplication::setActiveWindow(form_);
            Settle();
        }
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

    void Run() {
        seed_ = g_seed + static_cast<std::uint64_t>(GetParam());
        std::cout << "random input seed: " << seed_ << " (run with --seed=" << g_seed
                  << " to replay)" << std::endl;
        random_.seed(seed_);
        for (step_ = 0; step_ < kActions; ++step_) {
            const int choice = Pick(100);
            if (choice < 55) {
                TypeKey();
            } else if (choice < 75) {
                ClickSpin();
            } else if (choice < 88) {
                MoveFocus();
            } else if (choice < 95) {
                ChangeSelector();
            } else if (choice < 97) {
                AskAdvice();
            } else if (choice < 98) {
                PressNew();
            } else {
                OpenNotes();
            }
            CheckInvariants();
            if (HasFatalFailure() || HasFailure()) {
                return;
            }
        }
        std::cout << "chart shown after " << chartSteps_ << " actions, " << rejected_
                  << " rejected entries" << std::endl;
        // A stream that never showed the chart or never typed a wrong
        // character would have proved little.
        EXPECT_GT(chartSteps_, kActions / 10);
        EXPECT_LT(chartSteps_, kActions - kActions / 10);
        EXPECT_GT(rejected_, kActions / 100);
    }

    std::unique_ptr<TDentiplotProgram> program_;
    TForm1* form_ = nullptr;
    std::array<QLineEdit*, kFactors> edits_{};
    std::array<TSpinButton*, kFactors> spins_{};
    std::array<QLabel*, 4> identLabels_{};
    QComboBox* countryArea_ = nullptr;
    QComboBox* group_ = nullptr;
    QToolButton* newButton_ = nullptr;
    QToolButton* notesButton_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QToolButton* adviceButton_ = nullptr;
    QFrame* placeholder_ = nullptr;
    TPieFlytt* pie_ = nullptr;

    ModalAnswerer answerer_;
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
    std::array<QString, 4> store_;
    std::array<QString, 4> identTexts_;
    QString storedComment_;
};

// A character beyond the basic plane (an emoji) arrives as a surrogate pair.
// It is no letter or digit, so the edit refuses it as it refuses '*', and
// never keeps the pair's first half alone (a broken character that no message
// could quote).
TEST_F(RandomInput, CharacterBeyondTheBasicPlaneIsRefused) {
    QLineEdit* edit = edits_[2];
    // Tabbing into the edit selects its character, so a typed one replaces
    // it.
    edit->setFocus(Qt::TabFocusReason);
    Settle();
    ASSERT_EQ(FocusedEdit(), edit);
    edit->selectAll();
    answerer_.boxes.clear();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("😀"));
    QApplication::sendEvent(edit, &press);
    Settle();
    EXPECT_EQ(edit->text(), kBlank)
        << "holds U+" << std::hex << static_cast<int>(edit->text()[0].unicode());
    EXPECT_TRUE(answerer_.boxes.empty());
}

TEST_P(RandomInput, EveryActionLeavesWindowAndModelInAgreement) {
    Run();
}

// Four runs of 25,000 actions, each from its own seed.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomInput, ::testing::Range(0, 4));

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--seed=", 0) == 0) {
            g_seed = std::strtoull(argument.c_str() + 7, nullptr, 10);
        }
    }
    return RUN_ALL_TESTS();
}
