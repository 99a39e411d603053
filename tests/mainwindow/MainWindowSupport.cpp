#include "tests/mainwindow/MainWindowSupport.h"

#include "model/InmBearb.h"
#include "model/RiskModel.h"
#include "piechart/Pieflytt.h"
#include "tests/printing/RecordingCanvas.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>
#include <stdexcept>

namespace MainWindowSupport {

QSize FakePrintService::PrintableSize() {
    FailWhenMissing();
    return QSize(4800, 6888);
}

std::unique_ptr<Printing::PageCanvas> FakePrintService::OpenJob() {
    FailWhenMissing();
    ++*jobs_;
    return std::make_unique<Printing::RecordingCanvas>();
}

void FakePrintService::FailWhenMissing() const {
    if (missing_) {
        throw std::runtime_error("There is no default printer currently selected");
    }
}

void ResetModel() {
    for (std::uint8_t factor = 1; factor <= InmBearb::RiskModel::FactorCount; ++factor) {
        InmBearb::EnterScore(factor, " ");
    }
}

void WindowTest::SetUp() {
    ResetModel();
    form_ = std::make_unique<TForm1>();
    form_->SetDisplayDepth(32);
    form_->SetScreenWidth(1024);
}

void ProgramTest::Start(bool printerMissing, bool show) {
    ResetModel();
    program_ = std::make_unique<TDentiplotProgram>(
        std::make_unique<FakePrintService>(&jobs, printerMissing));
    Form().SetDisplayDepth(32);
    Form().SetScreenWidth(1024);
    if (!show) {
        return;
    }
    program_->ShowMainWindow();
    Reactivate();
    ASSERT_EQ(QApplication::activeWindow(), &Form());
}

void ProgramTest::Reactivate() {
    if (QApplication::activeWindow() != &Form()) {
        Form().activateWindow();
        QApplication::setActiveWindow(&Form());
        QApplication::processEvents();
    }
}

QLineEdit* Edit(QObject& root, int factor) {
    return Find<QLineEdit>(root, QStringLiteral("MaskEdit%1").arg(factor));
}

TPieFlytt* Pie(QObject& root) {
    return Find<TPieFlytt>(root, QStringLiteral("PieFlytt1"));
}

void Click(QObject& root, const QString& button) {
    Find<QToolButton>(root, button)->click();
}

void Type(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void EnterScores(QObject& root, const QStringList& scores) {
    for (int i = 0; i < scores.size(); ++i) {
        if (!scores[i].isEmpty()) {
            Edit(root, i + 1)->setText(scores[i]);
        }
    }
}

bool ChartShown(TForm1& form) {
    const bool pie = Pie(form)->isVisibleTo(&form);
    const bool placeholder = Find<QFrame>(form, "Panel7")->isVisibleTo(&form);
    const bool print = Find<QToolButton>(form, "SpeedButton7")->isEnabled();
    const bool advice = Find<QToolButton>(form, "SpeedButton5")->isEnabled();
    EXPECT_TRUE(pie != placeholder && pie == print && pie == advice)
        << "pie " << pie << " placeholder " << placeholder << " print " << print << " advice "
        << advice;
    return pie;
}

QStringList PieTexts(QObject& root) {
    QStringList texts;
    const auto& data = Pie(root)->PieData();
    for (int i = 0; i < data.Count(); ++i) {
        texts << data.Text(i);
    }
    return texts;
}

} // namespace MainWindowSupport
