#pragma once

// Helpers shared by the main-window tests: a fresh risk model, finding
// controls by name, typing into an edit and entering a score set.

#include "mainwindow/My_pie.h"
#include "printing/PrintService.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class TPieFlytt;
class TSpinButton;

namespace MainWindowSupport {

// Print jobs go nowhere and are only counted; a test may make the printer
// missing, so that asking for it fails as without a default printer.
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

// The risk model lives for the whole process; each test starts it as the
// program does: nothing entered, both selections "Standard set".
void ResetModel();

// Makes `form` lay out and colour as on the display the tests are written
// for, 32 bits per pixel and 1024 pixels wide, whatever the machine's screen.
void UseTestDisplay(TForm1& form);

// A main window of each test's own, not yet shown, on a fresh risk model and
// the test display.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    TForm1& Form() { return *form_; }

private:
    std::unique_ptr<TForm1> form_;
};

template <typename T> T* Find(QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QLineEdit* Edit(QObject& root, int factor);
TSpinButton* Spin(QObject& root, int factor);
TPieFlytt* Pie(QObject& root);

// One key press carrying `text`, as a keyboard would send it.
void Type(QWidget* widget, Qt::Key key, const QString& text);

// Sets the ten edits in factor order; an empty string leaves that edit as it
// is.
void EnterScores(QObject& root, const QStringList& scores);

// The score set whose every factor holds its default value.
QStringList DefaultScores();

// The chart shows, with the placeholder hidden and the two buttons enabled;
// fails the test when the four do not agree.
bool ChartShown(TForm1& form);

// The texts the pie control currently draws from.
QStringList PieTexts(QObject& root);

} // namespace MainWindowSupport
