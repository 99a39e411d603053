// The Print command's order of work and its failure paths, with a print
// service that records each job instead of printing it.

#include "printing/PrintCommand.h"

#include "model/InmBearb.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "printing/RecordingCanvas.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

using namespace Printing;
using Kind = CanvasCall::Kind;

// Hands the command a canvas per job that draws into a recording the test
// keeps after the command is done.
class RecordingService final : public PrintService {
public:
    QSize PrintableSize() override {
        if (!failure.isEmpty()) {
            throw std::runtime_error(failure.toStdString());
        }
        return size;
    }

    std::unique_ptr<PageCanvas> OpenJob() override {
        if (!failure.isEmpty()) {
            throw std::runtime_error(failure.toStdString());
        }
        jobs.push_back(std::make_unique<RecordingCanvas>(size));
        if (failOnFirstJobText && jobs.size() == 1) {
            jobs.back()->FailAt(Kind::Text, 2, "The printer refused a page");
        }
        return std::make_unique<Forward>(*jobs.back());
    }

    QSize size{9451, 13567};
    QString failure;
    bool failOnFirstJobText = false;
    std::vector<std::unique_ptr<RecordingCanvas>> jobs;

private:
    class Forward final : public PageCanvas {
    public:
        explicit Forward(RecordingCanvas& target) : m_target(target) {}
        QSize PrintableSize() const override { return m_target.PrintableSize(); }
        void BeginDoc(const QString& title) override { m_target.BeginDoc(title); }
        void NewPage() override { m_target.NewPage(); }
        void EndDoc() override { m_target.EndDoc(); }
        void SetFont(const QString& face, int size, bool bold) override {
            m_target.SetFont(face, size, bold);
        }
        void SetPenWidth(int pixels) override { m_target.SetPenWidth(pixels); }
        void SetFill(FillStyle style, const QColor& colour) override {
            m_target.SetFill(style, colour);
        }
        void Rectangle(QPoint a, QPoint b) override { m_target.Rectangle(a, b); }
        void Pie(QPoint a, QPoint b, QPoint s, QPoint e) override { m_target.Pie(a, b, s, e); }
        void Line(QPoint a, QPoint b) override { m_target.Line(a, b); }
        void Text(QPoint at, const QString& text) override { m_target.Text(at, text); }

    private:
        RecordingCanvas& m_target;
    };
};

const QString AdviceHeading = "Preliminary interpretation and proposed measures";

class PrintCommandTest : public ::testing::Test {
protected:
    PrintCommandTest() {
        const char scores[] = "1212121121";
        for (std::size_t i = 0; i < input.scoreTexts.size(); ++i) {
            input.scoreTexts[i] = QString(QLatin1Char(scores[i]));
        }
        input.scoreTexts[6] = " ";
        InmBearb::SetCountryArea(1);
        InmBearb::SetGroup(1);
        for (std::size_t i = 0; i < input.scoreTexts.size(); ++i) {
            InmBearb::EnterScore(static_cast<std::uint8_t>(i + 1),
                                 input.scoreTexts[i].toStdString());
        }
        input.countryAreaText = "Standard set";
        input.groupText = "Low risk";
        input.notes.name = "Jane Doe";
        input.notes.identNo = "19700101-1234";
        input.notes.date = "2026-12-06";
        input.notes.examiner = "Dr. Smith";
        input.notes.lines = QStringList{"first comment", "second comment"};
        input.buildAdvice = [this] {
            ++adviceBuilds;
            advice = QStringList{"Advice for the current scores", " ", "Second line"};
        };
        input.adviceLines = [this] { return advice; };
    }

    // Runs the command; the dialog is answered by `answer`.
    void Run(std::function<void(TPrintDlg&)> answer) {
        ModalCloser closer([&](QWidget* modal) {
            ++dialogsShown;
            answer(static_cast<TPrintDlg&>(*modal));
        });
        RunPrintCommand(dialog, input, service);
    }

    static void Ok(TPrintDlg& shown) { shown.OKBtn->click(); }

    static bool HasText(const RecordingCanvas& job, const QString& text) {
        return job.FindText(text).has_value();
    }

    TPrintDlg dialog;
    RecordingService service;
    PrintCommandInput input;
    QStringList advice{"stale advice"};
    int adviceBuilds = 0;
    int dialogsShown = 0;
};

TEST_F(PrintCommandTest, SendsTheChosenPrintoutsReportFirstWithTheFreshAdvice) {
    Run(Ok);
    ASSERT_EQ(service.jobs.size(), 2u);
    EXPECT_TRUE(HasText(*service.jobs[0], "Dentiplot"));
    EXPECT_TRUE(HasText(*service.jobs[0], "first comment"));
    EXPECT_TRUE(HasText(*service.jobs[1], AdviceHeading));
    EXPECT_TRUE(HasText(*service.jobs[1], "Advice for the current scores"));
    EXPECT_FALSE(HasText(*service.jobs[1], "stale advice"));
    EXPECT_FALSE(service.jobs[0]->DocumentOpen() || service.jobs[1]->DocumentOpen());

    service.jobs.clear();
    Run([](TPrintDlg& shown) {
        shown.SetPrintAdviceChosen(false);
        shown.OKBtn->click();
    });
    ASSERT_EQ(service.jobs.size(), 1u);
    EXPECT_TRUE(HasText(*service.jobs[0], "Dentiplot"));

    service.jobs.clear();
    Run([](TPrintDlg& shown) {
        shown.SetPrintReportChosen(false);
        shown.OKBtn->click();
    });
    EXPECT_TRUE(service.jobs.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintCommandTest, CancelPrintsNothingButTheAdviceIsRefilled) {
    Run([](TPrintDlg& shown) { shown.CancelBtn->click(); });
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(advice.front(), "Advice for the current scores");
    EXPECT_TRUE(service.jobs.empty());
}

TEST_F(PrintCommandTest, FailuresBeforeTheDialogEndTheCommandThere) {
    service.failure = "There is no default printer currently selected";
    try {
        Run(Ok);
        FAIL() << "the missing printer was not reported";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "There is no default printer currently selected");
    }
    EXPECT_EQ(adviceBuilds, 0) << "the advice was touched without a printer";

    service.failure.clear();
    input.buildAdvice = [] { throw std::runtime_error("'x' is not a valid integer value"); };
    EXPECT_THROW(Run(Ok), std::runtime_error);
    EXPECT_EQ(dialogsShown, 0);
    EXPECT_TRUE(service.jobs.empty());
}

TEST_F(PrintCommandTest, AFailedReportStopsBeforeTheAdviceAndRestoresTheCursor) {
    service.failOnFirstJobText = true;
    try {
        Run(Ok);
        FAIL() << "the refused page was not reported";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "The printer refused a page");
    }
    ASSERT_EQ(service.jobs.size(), 1u) << "the advice job was started after a failure";
    EXPECT_FALSE(service.jobs[0]->DocumentOpen()) << "the failed job was not ended";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintCommandTest, ColourIsReadWhenPrintingStartsAndKeptForTheNextCommand) {
    const auto pieFills = [](const RecordingCanvas& job) {
        std::vector<FillStyle> fills;
        for (const CanvasCall& pie : job.CallsOf(Kind::Pie)) {
            fills.push_back(pie.fill);
        }
        return fills;
    };
    Run([](TPrintDlg& shown) {
        shown.RadioButton2->click();
        shown.OKBtn->click();
    });
    ASSERT_EQ(service.jobs.size(), 2u);
    const auto colourFills = pieFills(*service.jobs[0]);
    ASSERT_EQ(colourFills.size(), 5u);
    for (const FillStyle fill : colourFills) {
        EXPECT_EQ(fill, FillStyle::Solid);
    }

    service.jobs.clear();
    Run(Ok);
    ASSERT_EQ(service.jobs.size(), 2u);
    EXPECT_EQ(pieFills(*service.jobs[0]), colourFills) << "the colour choice was lost";

    service.jobs.clear();
    Run([](TPrintDlg& shown) {
        shown.RadioButton1->click();
        shown.OKBtn->click();
    });
    EXPECT_NE(pieFills(*service.jobs[0]), colourFills);
}

TEST(GatherReportData, TakesScalesTextsNotesAndTheModelsPercentages) {
    PrintCommandInput input;
    input.scoreTexts.fill("2");
    input.scoreTexts[3] = " ";
    input.countryAreaText = "High risk";
    input.groupText = "Standard set";
    input.notes.name = "N";
    input.notes.lines = QStringList{"a", "b"};
    const ReportData data = GatherReportData(input, QSize(9600, 13776));
    EXPECT_DOUBLE_EQ(data.sx, 0.8);
    EXPECT_DOUBLE_EQ(data.sy, 0.8);
    EXPECT_EQ(data.scoreTexts[3], " ");
    EXPECT_EQ(data.scoreTexts[0], "2");
    EXPECT_EQ(data.countryAreaText, "High risk");
    EXPECT_EQ(data.groupText, "Standard set");
    EXPECT_EQ(data.name, "N");
    EXPECT_EQ(data.commentLines, input.notes.lines);
    EXPECT_DOUBLE_EQ(data.percentages[ChanceSector], InmBearb::ChancePercent());
    EXPECT_DOUBLE_EQ(data.percentages[DietSector], InmBearb::DietPercent());
    EXPECT_DOUBLE_EQ(data.percentages[BacteriaSector], InmBearb::BacteriaPercent());
    EXPECT_DOUBLE_EQ(data.percentages[SusceptibilitySector], InmBearb::SusceptibilityPercent());
    EXPECT_DOUBLE_EQ(data.percentages[CircumstancesSector], InmBearb::CircumstancesPercent());
    EXPECT_EQ(data.percentTexts[ChanceSector], PercentText(InmBearb::ChancePercent()));
    EXPECT_FALSE(data.colourMode);
}

} // namespace
