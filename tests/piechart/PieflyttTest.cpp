// The pie chart control as a widget: loading data, its colour slots, the
// optional mirror list box, double clicks, and what it paints (rendered into
// an image and checked pixel by pixel).

#include "piechart/Pieflytt.h"

#include "resources/SectorPalette.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr QRgb kBackdrop = 0xffff00ff; // what lies behind the control

const QStringList kFiveEqual{"20 20%", "20 20%", "20 20%", "20 20%", "20 20%"};

QImage Render(TPieFlytt& pie) {
    QImage image(pie.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackdrop);
    // Children only: the control itself must not paint any background.
    pie.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor At(const QImage& image, QPoint centre, double degrees, double distance) {
    const double t = degrees * std::numbers::pi / 180.0;
    return image.pixelColor(centre.x() + static_cast<int>(std::lround(distance * std::cos(t))),
                            centre.y() - static_cast<int>(std::lround(distance * std::sin(t))));
}

bool Untouched(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kBackdrop) {
                return false;
            }
        }
    }
    return true;
}

// A control as the main window sets it up: 400 by 400 on a full-colour display.
struct Pie {
    TPieFlytt control;
    Pie() {
        control.resize(400, 400);
        control.SetDisplayDepth(32);
        control.SetColour2(QColor(255, 255, 0));
    }
};

void Send(TPieFlytt& pie, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), pie.mapToGlobal(QPointF(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&pie, &event);
}

TEST(PieFlytt, StartsSmallAndEmpty) {
    TPieFlytt pie;
    EXPECT_EQ(pie.size(), QSize(65, 65));
    EXPECT_EQ(pie.PieData().Count(), 0);
    EXPECT_EQ(pie.Total(), 0.0);
    EXPECT_EQ(pie.ListBox(), nullptr);
    EXPECT_EQ(pie.Colour1(), QColor(255, 224, 224));
    EXPECT_EQ(pie.Colour6(), QColor(255, 224, 255));
    EXPECT_TRUE(Untouched(Render(pie)));
}

TEST(PieFlytt, LoadItemsKeepsValidLinesAndMirrorsThem) {
    Pie pie;
    QListWidget list;
    pie.control.SetListBox(&list);
    EXPECT_EQ(list.count(), 0) << "the mirror fills at the next load";
    QObject first, second;
    pie.control.LoadItems(
        QList<TPieSourceLine>{{"  20 20%", &first}, {"12,5 x", nullptr}, {"30.5", &second}});
    ASSERT_EQ(pie.control.PieData().Count(), 2);
    EXPECT_EQ(pie.control.PieData().Text(0), "20 20%");
    EXPECT_EQ(pie.control.PieData().Payload(1)->Obj, &second);
    EXPECT_DOUBLE_EQ(pie.control.Total(), 50.5);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), "30.5");
    EXPECT_EQ(list.item(0)->data(Qt::UserRole).value<QObject*>(), &first);

    pie.control.LoadItems(QStringList{"abc"});
    EXPECT_EQ(pie.control.PieData().Count(), 0);
    EXPECT_EQ(pie.control.Total(), 0.0);
    EXPECT_EQ(list.count(), 0);
}

TEST(PieFlytt, PaintsEachSectorInItsColourAndNothingOutside) {
    Pie pie;
    pie.control.LoadItems(kFiveEqual);
    const QImage image = Render(pie.control);
    const QPoint centre(200, 200);
    const QColor expected[] = {
        SectorColours[SectorIndex::Chance], SectorColours[SectorIndex::Circumstances],
        SectorColours[SectorIndex::Susceptibility], SectorColours[SectorIndex::Bacteria],
        SectorColours[SectorIndex::Diet]};
    // The first sector is pulled out by (16, -12).
    EXPECT_EQ(At(image, centre + QPoint(16, -12), 36, 80), expected[0]);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(At(image, centre, 36 + 72 * i, 80), expected[i]) << i;
    }
    EXPECT_EQ(image.pixel(2, 2), kBackdrop);
    EXPECT_EQ(image.pixel(397, 397), kBackdrop);
    EXPECT_EQ(image.pixel(200, 30), kBackdrop);       // above the pie's top at 40
    EXPECT_EQ(image.pixelColor(200, 200), Qt::black); // the radii meet at the centre
}

TEST(PieFlytt, PaintingOverwritesFourSlotsButKeepsTwoAndSix) {
    Pie pie;
    pie.control.SetColour1(Qt::red);
    pie.control.SetColour2(Qt::cyan);
    pie.control.SetColour6(Qt::gray);
    Render(pie.control); // nothing to draw: nothing overwritten
    EXPECT_EQ(pie.control.Colour1(), QColor(Qt::red));

    pie.control.LoadItems(kFiveEqual);
    const QImage image = Render(pie.control);
    EXPECT_EQ(pie.control.Colour1(), SectorColours[SectorIndex::Chance]);
    EXPECT_EQ(pie.control.Colour5(), SectorColours[SectorIndex::Diet]);
    EXPECT_EQ(pie.control.Colour2(), QColor(Qt::cyan));
    EXPECT_EQ(pie.control.Colour6(), QColor(Qt::gray));
    EXPECT_EQ(At(image, QPoint(200, 200), 108, 80), QColor(Qt::cyan));
}

TEST(PieFlytt, Colour3ReadsTheDisplayDepth) {
    Pie pie;
    pie.control.SetDisplayDepth(8);
    pie.control.SetDisplayDepth(0); // back to the real screen
    pie.control.SetColour3(QColor(1, 2, 3));
    const QScreen* screen = pie.control.screen();
    const int expected = screen != nullptr && screen->depth() > 0 ? screen->depth() : 32;
    EXPECT_EQ(TPieFlytt::ScreenBitsPerPixel(), expected);
    EXPECT_EQ(pie.control.Colour3(), QColor(1, 2, 3));
}

TEST(PieFlytt, NoPositiveTotalPaintsNothing) {
    Pie pie;
    for (const QStringList& lines :
         {QStringList{"10 a", "-10 b"}, QStringList{"0 a", "0 b"}, QStringList{"-3 x"},
          QStringList{"1e308 a", "1e308 b"}, QStringList{"1e999 a", "5 b", "-5 c"}}) {
        pie.control.LoadItems(lines);
        EXPECT_TRUE(Untouched(Render(pie.control))) << lines.join('|').toStdString();
    }
}

TEST(PieFlytt, OddLinesNeverBreakPainting) {
    Pie pie;
    pie.control.LoadItems(QStringList{
        "40 " + QString(100000, QLatin1Char('x')), QString(100000, QLatin1Char('9')) + " big",
        QString::fromUtf8("30 \x01\x02\n\t Zahnb\xC3\xBCrste \xE6\xAD\xAF"), "-1e999 y", "nan z",
        "30"});
    EXPECT_EQ(pie.control.PieData().Count(), 3);
    EXPECT_DOUBLE_EQ(pie.control.Total(), 100.0);
    EXPECT_FALSE(Untouched(Render(pie.control)));
}

TEST(PieFlytt, DoubleClickReportsTheSectorsObject) {
    Pie pie;
    QObject a, b, c;
    pie.control.LoadItems(QList<TPieSourceLine>{{"25 a", &a}, {"25 b", &b}, {"50 c", &c}});
    int calls = 0;
    TPieFlytt* sender = nullptr;
    pie.control.SetOnDblClick([&](TPieFlytt* from) {
        ++calls;
        sender = from;
    });
    Send(pie.control, QEvent::MouseButtonPress, {150, 150});
    EXPECT_EQ(pie.control.DownX(), 150);
    EXPECT_EQ(pie.control.DownY(), 150);
    EXPECT_EQ(calls, 0);

    Send(pie.control, QEvent::MouseButtonDblClick, {150, 150}); // 135 degrees
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sender, &pie.control);
    EXPECT_EQ(pie.control.ClickedObject(), &b);
    Send(pie.control, QEvent::MouseButtonDblClick, {200, 300}); // 270 degrees
    EXPECT_EQ(pie.control.ClickedObject(), &c);
    Send(pie.control, QEvent::MouseButtonDblClick, {395, 5}); // beyond the pie
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(pie.control.DownX(), 395);

    pie.control.SetOnDblClick(nullptr);
    Send(pie.control, QEvent::MouseButtonDblClick, {250, 150});
    EXPECT_EQ(pie.control.ClickedObject(), &c);
}

TEST(PieFlytt, ReloadingManyTimesLeavesOnlyTheLastData) {
    Pie pie;
    QListWidget list;
    pie.control.SetListBox(&list);
    for (int i = 0; i < 100000; ++i) {
        pie.control.LoadItems(QStringList{});
        pie.control.LoadItems(kFiveEqual);
    }
    EXPECT_EQ(pie.control.PieData().Count(), 5);
    EXPECT_EQ(list.count(), 5);
    EXPECT_DOUBLE_EQ(pie.control.Total(), 100.0);
}

} // namespace
