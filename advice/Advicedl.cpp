#include "advice/Advicedl.h"

#include "resources/Fonts.h"
#include "resources/ScreenCentre.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>

TAdvice::TAdvice(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      MemoAdvice(new QPlainTextEdit(this)), OKBtn(new QPushButton(this)) {
    setObjectName(QStringLiteral("Advice"));
    setWindowTitle(QStringLiteral("Preliminary interpretation and proposed measures "));
    setFixedSize(629, 490);

    MemoAdvice->setObjectName(QStringLiteral("MemoAdvice"));
    MemoAdvice->setGeometry(18, 30, 594, 387);
    MemoAdvice->setReadOnly(true);
    MemoAdvice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoAdvice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoAdvice->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoAdvice->setWordWrapMode(QTextOption::WordWrap);
    MemoAdvice->setFont(SerifFont(17));
    QPalette memoPalette = MemoAdvice->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    memoPalette.setColor(QPalette::Text, Qt::black);
    MemoAdvice->setPalette(memoPalette);

    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(265, 434, 103, 39);
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKBtn->setFont(SansFont(16));
    QPalette buttonPalette = OKBtn->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::black);
    OKBtn->setPalette(buttonPalette);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList TAdvice::Lines() const {
    const QTextDocument* document = MemoAdvice->document();
    if (document->isEmpty()) {
        return {};
    }
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

void TAdvice::SetLines(const QStringList& lines) {
    MemoAdvice->setPlainText(lines.join(QLatin1Char('\n')));
}

void TAdvice::showEvent(QShowEvent* event) {
    // Centred on the screen every time it opens, with the focus on OK.
    CentreOnScreen(*this);
    OKBtn->setFocus();
    QDialog::showEvent(event);
}
