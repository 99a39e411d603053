#pragma once

// The pie chart control: draws a pie from valued text lines ("21.24 21%"),
// colours the sectors from six colour slots, pulls the Colour1 sector out of
// the pie and writes each wide enough sector's label inside it. It paints no
// background, so its parent shows around and behind the pie.

#include "piechart/PieGeometry.h"
#include "piechart/StringListWithDouble.h"

#include <QColor>
#include <QList>
#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

// A data line together with the object the caller associates with it.
struct TPieSourceLine {
    QString text;
    QObject* obj = nullptr;
};

class TPieFlytt : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Colour1 READ Colour1 WRITE SetColour1)
    Q_PROPERTY(QColor Colour2 READ Colour2 WRITE SetColour2)
    Q_PROPERTY(QColor Colour3 READ Colour3 WRITE SetColour3)
    Q_PROPERTY(QColor Colour4 READ Colour4 WRITE SetColour4)
    Q_PROPERTY(QColor Colour5 READ Colour5 WRITE SetColour5)
    Q_PROPERTY(QColor Colour6 READ Colour6 WRITE SetColour6)

public:
    using DblClickHandler = std::function<void(TPieFlytt* sender)>;

    explicit TPieFlytt(QWidget* parent = nullptr);

    // Replaces the data with the valid lines of `items` (invalid ones are
    // skipped silently), refills the mirror list box and repaints.
    void LoadItems(const QStringList& items);
    void LoadItems(const QList<TPieSourceLine>& items);

    const TStringListWithDouble& PieData() const { return pieData_; }
    // Sum of the values of all accepted lines; 0 when there are none.
    double Total() const { return total_; }

    // Colour slots 1 to 6. Painting overwrites slots 1, 3, 4 and 5 with the
    // colours that suit the display depth, so reading them back after a paint
    // gives those. Setting Colour3 also reads the display depth.
    QColor Colour1() const { return colours_[0]; }
    QColor Colour2() const { return colours_[1]; }
    QColor Colour3() const { return colours_[2]; }
    QColor Colour4() const { return colours_[3]; }
    QColor Colour5() const { return colours_[4]; }
    QColor Colour6() const { return colours_[5]; }
    void SetColour1(const QColor& colour) { SetColour(0, colour); }
    void SetColour2(const QColor& colour) { SetColour(1, colour); }
    void SetColour3(const QColor& colour);
    void SetColour4(const QColor& colour) { SetColour(3, colour); }
    void SetColour5(const QColor& colour) { SetColour(4, colour); }
    void SetColour6(const QColor& colour) { SetColour(5, colour); }

    // Optional list box that mirrors the data lines, each item carrying its
    // line's object (Qt::UserRole). Not owned; filled by the next LoadItems.
    QListWidget* ListBox() const { return listBox_; }
    void SetListBox(QListWidget* listBox) { listBox_ = listBox; }

    // Called after a double click on a sector, once ClickedObject holds that
    // sector's object.
    const DblClickHandler& OnDblClick() const { return onDblClick_; }
    void SetOnDblClick(DblClickHandler handler) { onDblClick_ = std::move(handler); }
    QObject* ClickedObject() const { return clickedObject_; }

    // Position of the last mouse-button press inside the control.
    int DownX() const { return downX_; }
    int DownY() const { return downY_; }

    // Display depth (bits per pixel) used for the palette, shared by every
    // pie on screen; 0 until a Colour3 assignment reads it.
    static int ScreenBitsPerPixel();
    // Makes this control report `bitsPerPixel` as its display's depth and
    // reads it at once; 0 reads the real screen again.
    void SetDisplayDepth(int bitsPerPixel);

    // What the next paint draws, from the current size, data, font and colours.
    PieGeometry CurrentGeometry() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SetColour(int slot, const QColor& colour);
    int ReadDisplayDepth() const;
    void RecordPress(const QMouseEvent& event);
    void HandleDoubleClick();

    TStringListWithDouble pieData_;
    // Value and label of each accepted line, parsed once when it is loaded,
    // so that painting does not read the lines again.
    std::vector<PieEntry> entries_;
    QPointer<QListWidget> listBox_;
    DblClickHandler onDblClick_;
    int downX_ = 0;
    int downY_ = 0;
    double total_ = 0.0;
    PiePalette colours_;
    QObject* clickedObject_ = nullptr;
    int depthOverride_ = 0;
};
