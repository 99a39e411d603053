#pragma once

// Helpers shared by the main-window tests and the random-input test: a fresh
// risk model, the main window or the whole program on the display the tests
// are written for, finding controls by name and typing into them.

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "printing/PrintService.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class TPieFlytt;
class TSpinButton;

namespace MainWindowSupport {

// Print jobs go nowhere and are only counted; a missing printer fails as
// without a default printer.
class FakePrintService : public Printing::PrintService {
public:
    FakePrintService(int* jobs, bool missing) : jobs_(jobs), missing_(missing) {}
    QSize PrintableSize() override;
    std::unique_ptr<Printing::PageCanvas> OpenJob() override;

private:
    void FailWhenMissing() const;
    int* jobs_;
    bool missing_;
};

// The risk model lives for the whole process; each test starts it as a fresh
// process would: nothing entered.
void ResetModel();

// A main window of the test's own, not yet shown, laid out and coloured as on
// a display of 32 bits per pixel and 1024 pixels wide.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    TForm1& Form() { return *form_; }

private:
    std::unique_ptr<TForm1> form_;
};

// The whole program, its main window shown and active unless `show` is false;
// print jobs are counted in `jobs`.
class ProgramTest : public ::testing::Test {
protected:
    void Start(bool printerMissing = false, bool show = true);
    TForm1& Form() { return program_->Form1(); }
    // Makes the main window the active one again: offscreen, a closed modal
    // window does not hand the activation back.
    void Reactivate();

    std::unique_ptr<TDentiplotProgram> program_;
    int jobs = 0;
};

template <typename T> T* Find(QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QLineEdit* Edit(QObject& root, int factor);
TPieFlytt* Pie(QObject& root);
void Click(QObject& root, const QString& button);

// One key press and release carrying `text`, as a keyboard sends it.
void Type(QWidget* widget, int key, const QString& text,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Sets the ten edits in factor order; an empty string leaves that edit as it
// is. The default: every factor at its default value.
void EnterScores(QObject& root,
                 const QStringList& scores = {"2", "1", "2", "2", "2", "2", "2", "1", "1", "1"});

// The chart shows, with the placeholder hidden and the two chart commands
// enabled; fails the test when the four do not agree.
bool ChartShown(TForm1& form);

// The texts the pie control currently draws from.
QStringList PieTexts(QObject& root);

} // namespace MainWindowSupport
