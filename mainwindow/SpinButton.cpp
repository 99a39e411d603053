#include "mainwindow/SpinButton.h"

#include <QToolButton>

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    // Holding an arrow down keeps stepping, as spin arrows do.
    button->setAutoRepeat(true);
    return button;
}

} // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(this, Qt::UpArrow, QStringLiteral("Up"))),
      down_(MakeArrow(this, Qt::DownArrow, QStringLiteral("Down"))) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, &TSpinButton::upClick);
    connect(down_, &QToolButton::clicked, this, &TSpinButton::downClick);
}

void TSpinButton::SetFactorName(const QString& factor) {
    setAccessibleName(factor + QStringLiteral(" up/down"));
    up_->setAccessibleName(factor + QStringLiteral(" up"));
    down_->setAccessibleName(factor + QStringLiteral(" down"));
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
