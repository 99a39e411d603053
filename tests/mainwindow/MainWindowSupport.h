#pragma once

// Helpers shared by the main-window tests and the random-input test: the
// whole program as a fresh process starts it, finding controls by name and
// typing into them.

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "model/InmBearb.h"
#include "model/RiskModel.h"
#include "piechart/Pieflytt.h"
#include "printing/PrintService.h"
#include "tests/printing/RecordingCanvas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace MainWindowSupport {

// Print jobs go nowhere and are only counted; a missing printer fails as
// without a default printer.
class FakePrintService : public Printing::PrintService {
public:
    FakePrintService(int* jobs, bool missing) : jobs_(jobs), missing_(missing) {}
    QSize PrintableSize() override {
        FailWhenMissing();
        return {4800, 6888};
    }
    std::unique_ptr<Printing::PageCanvas> OpenJob() override {
        FailWhenMissing();
        ++*jobs_;
        return std::make_unique<Printing::RecordingCanvas>();
    }

private:
    void FailWhenMissing() const {
        if (missing_) {
            throw std::runtime_error("There is no default printer currently selected");
        }
    }
    int* jobs_;
    bool missing_;
};

// The whole program with nothing entered, laid out and coloured as on a
// display of 32 bits per pixel and 1024 pixels wide; print jobs are counted
// in `jobs`. The risk model lives for the whole process and is reset first.
class ProgramTest : public ::testing::Test {
protected:
    void Start(bool printerMissing = false, bool show = true) {
        for (std::uint8_t factor = 1; factor <= InmBearb::RiskModel::kFactorCount; ++factor) {
            InmBearb::EnterScore(factor, " ");
        }
        program_ = std::make_unique<TDentiplotProgram>(
            std::make_unique<FakePrintService>(&jobs, printerMissing));
        Form().SetDisplayDepth(32);
        Form().SetScreenWidth(1024);
        if (show) {
            program_->ShowMainWindow();
            Reactivate();
            ASSERT_EQ(QApplication::activeWindow(), &Form());
        }
    }
    TForm1& Form() { return program_->Form1(); }
    // Makes the main window the active one again: offscreen, a closed modal
    // window does not hand the activation back.
    void Reactivate() {
        if (QApplication::activeWindow() != &Form()) {
            Form().activateWindow();
            QApplication::setActiveWindow(&Form());
            QApplication::processEvents();
        }
    }

    std::unique_ptr<TDentiplotProgram> program_;
    int jobs = 0;
};

template <typename T> T* Find(QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline QLineEdit* Edit(QObject& root, int factor) {
    return Find<QLineEdit>(root, QStringLiteral("MaskEdit%1").arg(factor));
}

inline TPieFlytt* Pie(QObject& root) {
    return Find<TPieFlytt>(root, QStringLiteral("PieFlytt1"));
}

inline void Click(QObject& root, const QString& button) {
    Find<QToolButton>(root, button)->click();
}

// One key press and release carrying `text`, as a keyboard sends it.
inline void Type(QWidget* widget, int key, const QString& text,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

// Every factor at its default value.
inline void EnterScores(QObject& root) {
    const QString scores = QStringLiteral("2122222111");
    for (int i = 0; i < scores.size(); ++i) {
        Edit(root, i + 1)->setText(scores.mid(i, 1));
    }
}

// The texts the pie control currently draws from.
inline QStringList PieTexts(QObject& root) {
    QStringList texts;
    const auto& data = Pie(root)->PieData();
    for (int i = 0; i < data.Count(); ++i) {
        texts << data.Text(i);
    }
    return texts;
}

} // namespace MainWindowSupport
