#include "tests/mainwindow/MainWindowSupport.h"

#include "mainwindow/SpinButton.h"
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
    InmBearb::SetCountryArea(1);
    InmBearb::SetGroup(1);
}

void UseTestDisplay(TForm1& form) {
    form.SetDisplayDepth(32);
    form.SetScreenWidth(1024);
}

void WindowTest::SetUp() {
    ResetModel();
    form_ = std::make_unique<TForm1>();
    UseTestDisplay(*form_);
}

QLineEdit* Edit(QObject& root, int factor) {
    return Find<QLineEdit>(root, QStringLiteral("MaskEdit%1").arg(factor));
}

TSpinButton* Spin(QObject& root, int factor) {
    return Find<TSpinButton>(root, QStringLiteral("SpinButton%1").arg(factor));
}

TPieFlytt* Pie(QObject& root) {
    return Find<TPieFlytt>(root, QStringLiteral("PieFlytt1"));
}

void Type(QWidget* widget, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void EnterScores(QObject& root, const QStringList& scores) {
    for (int i = 0; i < scores.size(); ++i) {
        if (!scores[i].isEmpty()) {
            Edit(root, i + 1)->setText(scores[i]);
        }
    }
}

QStringList DefaultScores() {
    return {"2", "1", "2", "2", "2", "2", "2", "1", "1", "1"};
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
