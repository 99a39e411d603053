#pragma once

// A pair of arrow buttons, up above down, beside a score edit. It never takes
// the keyboard focus itself; the owner moves the focus to the edit.

#include <QWidget>

class QToolButton;

class TSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

    // Names the pair and each arrow after the factor they step, for
    // assistive technology: "<factor> up/down", "<factor> up", "<factor> down".
    void SetFactorName(const QString& factor);

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
