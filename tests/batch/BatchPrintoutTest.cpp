// A report PDF of dentiplot-batch holds, item for item, what the Print
// command sends for the same assessment as its two jobs (chart report, then
// interpretation page) to the private scheduler's A4 queue: 600 dpi, 5 mm
// margins, the batch's default page. Both are read back with pdftotext.

#include "batch/BatchRun.h"
#include "model/InmBearb.h"
#include "printing/PrintCommand.h"
#include "printing/PrintService.h"
#include "printing/Printval.h"
#include "tests/advice/AdviceHolders.h"
#include "tests/printing/CupsHarness.h"
#include "tests/sample/SampleAssessment.h"
#include "tests/support/ModalCloser.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using CupsHarness::Word;

// The words of the Print command's jobs, the later jobs' pages following the
// earlier ones'.
std::vector<Word> PrintCommandWords(const Printing::PrintCommandInput& input) {
    const int mark = CupsHarness::LastJobId();
    TPrintDlg dialog;
    Printing::DefaultPrinterService service;
    const ModalCloser closer(
        [](QWidget* shown) { static_cast<TPrintDlg*>(shown)->OKBtn->click(); });
    Printing::RunPrintCommand(dialog, input, service);

    std::vector<Word> words;
    int pages = 0;
    for (const CupsHarness::Job& job : CupsHarness::Jobs()) {
        if (job.id <= mark) {
            continue;
        }
        const QString pdf = CupsHarness::WaitForDocument(job.id);
        EXPECT_FALSE(pdf.isEmpty()) << "job " << job.id << " was never stored";
        for (Word word : CupsHarness::WordsOf(pdf)) {
            word.page += pages;
            words.push_back(word);
        }
        pages += static_cast<int>(CupsHarness::PagesOf(pdf).size());
    }
    return words;
}

TEST(BatchPrintout, ReportPdfIsWhatThePrintCommandSendsToTheA4Queue) {
    if (!CupsHarness::Current().Running()) {
        GTEST_SKIP() << "no private print scheduler: "
                     << CupsHarness::Current().skipReason.toStdString();
    }
    ASSERT_TRUE(CupsHarness::Admin(QStringLiteral("lpadmin"), {"-d", CupsHarness::DefaultQueue}));
    // 30 comment lines: the report takes a continuation page.
    QStringList comments;
    for (int i = 1; i <= 30; ++i) {
        comments << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
    }
    Printing::PrintCommandInput input;
    SampleAssessment::EnterScores(input, "2122222111", QStringLiteral("Standard set"));
    input.notes = {"Jane Doe", "19700101-1234", "2026-12-06", "Smith", comments};
    QStringList advice;
    input.buildAdvice = [&] {
        advice = AssembleAdvice(ReadAdviceScores(input.scoreTexts), InmBearb::ChancePercent(),
                                Holders().Refs());
    };
    input.adviceLines = [&] { return advice; };
    const std::vector<Word> printed = PrintCommandWords(input);

    const QTemporaryDir dir;
    QFile csv(dir.filePath(QStringLiteral("in.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("Name;Ident.No.;Date;Examiner;Caries experience;Related diseases;Diet, contents;"
              "Diet, frequency;Plaque amount;Mutans streptococci;Fluoride program;Saliva "
              "secretion;Buffer capacity;Clin. judgement;Country/Area;Group;Comments\r\n"
              "Jane Doe;19700101-1234;2026-12-06;Smith;2;1;2;2;2;2;2;1;1;1;Standard set;"
              "Standard set;\"");
    csv.write(comments.join(QStringLiteral("\r\n")).toUtf8() + "\"\r\n");
    csv.close();
    ASSERT_EQ(Batch::RunBatch({"dentiplot-batch", csv.fileName(), "-o", dir.filePath("out.csv"),
                               "--reports", dir.path()}),
              Batch::EveryRowAssessed);
    const std::vector<Word> batch =
        CupsHarness::WordsOf(dir.filePath(QStringLiteral("19700101-1234.pdf")));

    ASSERT_EQ(batch.size(), printed.size());
    EXPECT_GT(batch.back().page, 1) << "report, continuation and advice pages";
    for (std::size_t i = 0; i < batch.size(); ++i) {
        SCOPED_TRACE(printed[i].text.toStdString());
        EXPECT_EQ(batch[i].text, printed[i].text);
        EXPECT_EQ(batch[i].page, printed[i].page);
        const QPointF moved[] = {batch[i].box.topLeft() - printed[i].box.topLeft(),
                                 batch[i].box.bottomRight() - printed[i].box.bottomRight()};
        for (const QPointF& d : moved) {
            EXPECT_LE(std::max(std::abs(d.x()), std::abs(d.y())), 0.05);
        }
    }
}

} // namespace
