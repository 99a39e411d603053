// The Print command end to end on a print service that logs each job's calls:
// both printouts call by call, the steps taken for each answer in the dialog
// and each failure, and the colour choice.

#include "printing/PrintCommand.h"

#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/printing/RecordingCanvas.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace Printing;

// The fixture is the print service too, on the recording canvas's page: every
// job logs into `log`, and from its line `refuseFrom` on the printer refuses
// every call.
class PrintCommandTest : public ::testing::Test, public PrintService {
protected:
    PrintCommandTest() {
        // Ten different marks, so that a score on a wrong row shows; the ninth box is empty.
        input.scoreTexts = {"0", "1", "2", "3", "4", "5", "6", "7", " ", "8"};
        // The chance pulls its sector out sideways and up; 6.5 and 19.5 round to even.
        input.shares = {30, 6.5, 19.5, 25, 19};
        input.countryAreaText = "Standard set";
        input.groupText = "High risk";
        input.notes = {"Ann Patient", "19700101-1234", "2026-12-06", "B. Examiner", {"First line"}};
        input.buildAdvice = [this] {
            if (fault == "bad score") {
                throw std::runtime_error("bad score");
            }
            log << "built";
            advice = QStringList{"Fresh advice"};
        };
        input.adviceLines = [this] { return advice; };
    }

    QSize PrintableSize() override {
        if (fault == "no printer") {
            throw std::runtime_error("no printer");
        }
        return {3000, 8610};
    }
    std::unique_ptr<PageCanvas> OpenJob() override {
        return std::make_unique<RecordingCanvas>(&log, refuseFrom);
    }

    // Runs the command; `answer` fills in the dialog when it shows. The error
    // that ended the command, if any.
    QString Run(const std::function<void(TPrintDlg&)>& answer = &Ok) {
        log.clear();
        const ModalCloser closer([&](QWidget* modal) {
            log << "dialog";
            answer(static_cast<TPrintDlg&>(*modal));
        });
        QString error;
        try {
            RunPrintCommand(dialog, input, *this);
        } catch (const std::runtime_error& failure) {
            error = failure.what();
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        return error;
    }
    static void Ok(TPrintDlg& shown) { shown.OKBtn->click(); }

    TPrintDlg dialog;
    PrintCommandInput input;
    QStringList advice{"stale advice"};
    QString fault; // "no printer", or "bad score" for a score box the advice cannot read
    qsizetype refuseFrom = -1;
    QStringList log;
};

// Both printouts with the dialog's first choices (both, in black and white).
// Positions as the layout's page units give them, each term rounded half to
// even on its own.
TEST_F(PrintCommandTest, BothPrintoutsCallByCall) {
    EXPECT_EQ(Run(), "");
    EXPECT_EQ(log.join('\n'), 1 + R"(
built
dialog
begin Dentiplot
text B18 1250,100 Dentiplot
rect 6 none 320,2160 1052,3525
line 2 880,2160 880,3525
rect 2 none 355,2250 436,2412
rect 2 diagonal 355,2574 436,2736
rect 2 #000000 355,2811 436,2973
rect 2 horizontal 355,3048 436,3210
rect 2 cross 355,3285 436,3447
text R10 471,2205 Actual chance to
text R10 471,2320 avoid new cavities
text R10 471,2584 Diet
text R10 471,2821 Bacteria
text R10 471,3058 Susceptibility
text R10 471,3295 Circumstances
text R10 915,2250 30 %
text R10 941,2584 6 %
text R10 915,2821 20 %
text R10 915,3058 25 %
text R10 915,3295 19 %
text R10 2352,810 Country/area:
text R10 2688,810 Standard set
text R10 2352,960 Group:
text R10 2687,960 High risk
pie 5 none 1402,1458 2157,2968 2157,2213 1663,1495
pie 5 cross 1357,1580 2112,3090 1618,1617 1358,2288
pie 5 horizontal 1357,1580 2112,3090 1358,2288 1711,3089
pie 5 #000000 1357,1580 2112,3090 1711,3089 2081,2635
pie 5 diagonal 1357,1580 2112,3090 2081,2635 2112,2335
text B12 1988,1365 30 %
text B12 1282,1703 19 %
text B12 1301,2906 25 %
text B12 1901,3086 20 %
text B12 2117,2473 6 %
rect 6 none 2410,1769 2937,3641
line 2 2837,1769 2837,3641
text R10 2438,1824 Caries experience
text R10 2866,1824 0
text R10 2438,1999 Related diseases
text R10 2866,1999 1
text R10 2438,2174 Diet, contents
text R10 2866,2174 2
text R10 2438,2349 Diet, frequency
text R10 2866,2349 3
text R10 2438,2524 Plaque amount
text R10 2866,2524 4
text R10 2438,2699 Mutans
text R10 2438,2786 streptococci
text R10 2866,2786 5
text R10 2438,2962 Fluoride program
text R10 2866,2962 6
text R10 2438,3136 Saliva secretion
text R10 2866,3136 7
text R10 2438,3312 Buffer capacity
text R10 2866,3312  
text R10 2438,3486 Clin. judgement
text R10 2866,3486 8
text B12 320,810 Name:
text B12 320,1010 Ident.No.:
text B12 320,1210 Date:
text B12 320,1410 Examiner:
text R10 678,832 Ann Patient
text R10 678,1032 19700101-1234
text R10 678,1232 2026-12-06
text R10 678,1432 B. Examiner
text B12 320,4122 Comments
text R10 320,4335 First line
end
begin Dentiplot - Preliminary interpretation and proposed measures
text R10 2348,54 Ann Patient
text R10 2348,169 19700101-1234
text R10 2348,284 2026-12-06
text R10 2348,399 B. Examiner
text B14 464,65 Preliminary interpretation and proposed measures
text R12 435,560 Fresh advice
end)");
}

// Each answer in the dialog and each failure, and the steps taken in order:
// the advice built before the dialog, the report job before the advice job; a
// failure ends the command where it happens with its own message, and a job
// that began is ended whatever went wrong while it was drawn.
TEST_F(PrintCommandTest, StepsForEachAnswerAndFailure) {
    const struct {
        const char* fault;
        qsizetype refuseFrom;
        bool report, withAdvice, ok;
        const char* steps;
        const char* error;
    } cases[] = {
        {"", -1, true, true, true, "built dialog report end advice end", ""},
        {"", -1, true, false, true, "built dialog report end", ""},
        {"", -1, false, true, true, "built dialog advice end", ""},
        {"", -1, true, true, false, "built dialog", ""},
        {"no printer", -1, true, true, true, "", "no printer"},
        {"bad score", -1, true, true, true, "", "bad score"},
        {"", 2, true, true, true, "built dialog refused begin", "refused begin"},
        {"", 28, true, true, true, "built dialog report refused pie refused end", "refused pie"},
        {"", 76, true, true, true, "built dialog report end advice refused text refused end",
         "refused text"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.steps);
        fault = row.fault;
        refuseFrom = row.refuseFrom;
        EXPECT_EQ(Run([&](TPrintDlg& shown) {
                      shown.SetPrintReportChosen(row.report);
                      shown.SetPrintAdviceChosen(row.withAdvice);
                      (row.ok ? shown.OKBtn : shown.CancelBtn)->click();
                  }),
                  row.error);
        QStringList steps = log.filter(QRegularExpression("^(built|dialog|begin|end|refused)"));
        steps.replaceInStrings(QRegularExpression("^begin Dentiplot - .*"), "advice")
            .replaceInStrings(QRegularExpression("^begin .*"), "report")
            .replaceInStrings(QRegularExpression("^(refused \\w+).*"), "\\1");
        EXPECT_EQ(steps.join(' '), row.steps);
    }
}

// The colour choice is read when printing starts, and the dialog keeps it
// into the next command, after a Cancel too.
TEST_F(PrintCommandTest, ColourIsReadWhenPrintingStartsAndKept) {
    Run([](TPrintDlg& shown) {
        shown.RadioButton2->click();
        Ok(shown);
    });
    EXPECT_EQ(log.filter(QRegularExpression("^(rect|pie) "))
                  .replaceInStrings(QRegularExpression("^\\w+ \\d+ (\\S+) .*"), "\\1")
                  .join(' '),
              "none #64a932 #6666ff #ff6666 #75dbf9 #ffff00 #64a932 #ffff00 #75dbf9 #ff6666 "
              "#6666ff none");
    const QStringList colour = log;
    Run([](TPrintDlg& shown) { shown.CancelBtn->click(); });
    Run();
    EXPECT_EQ(log, colour);
}

} // namespace
