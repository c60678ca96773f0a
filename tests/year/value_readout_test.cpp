#include "app/year/value_readout.h"

#include <gtest/gtest.h>

#include <QLocale>

TEST(ValueReadout, TextsOfEveryMode)
{
    struct Case {
        float y;
        bool duration;
        const char* unit;
        int mode;
        float x;
        const char* value;
        const char* panel;
    };
    const Case cases[] = {
        {1.75f, true, "[Std]", 4, 40, "   1:45 [Std]", "Tag   40  =    1:45 [Std]"},
        {0.999f, true, "[Std]", 4, 40, "   0:59 [Std]", "Tag   40  =    0:59 [Std]"},
        {9.5f, false, "[km]", 0, 123.4f, "   9.500 [km]", "Tag  123  =    9.500 [km]"},
        {12.34f, false, "[km]", 1, 7, "    12.3 [km]", "Tag    7  >     12.3 [km]"},
        {12.34f, false, "[km]", 3, 7, "    12.3 [km]", "     12.3 [km]"},
        {12.34f, false, "[km]", 5, 7, "    12.3 [km]", "     12.3 [km]"},
        {-0.5f, true, "[Std]", 2, 3, "   0:-30 [Std]", "Tag    3  =    0:-30 [Std]"},
    };
    // A German machine locale must not turn the points into commas.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    for (const Case& c : cases) {
        const QString value = ReadoutValueText(c.y, c.duration, QString::fromUtf8(c.unit));
        EXPECT_EQ(value, QString::fromUtf8(c.value)) << c.y;
        EXPECT_EQ(ReadoutPanelText(c.mode, c.x, value), QString::fromUtf8(c.panel)) << c.mode;
    }
    QLocale::setDefault(previous);
    EXPECT_FALSE(ReadoutPanelText(-1, 1, QStringLiteral("x")).has_value());
}

TEST(ValueReadout, ValueFromTheAxisRanges)
{
    const TAxisReading left{100, 300, 20, 200}; // rows 20..220
    const TAxisReading bottom{1, 366, 50, 730};
    // At the lower end of the left axis the value is its minimum.
    auto v = ReadoutAt(left, bottom, 50, 220);
    ASSERT_TRUE(v);
    EXPECT_FLOAT_EQ(v->Y, 100);
    EXPECT_FLOAT_EQ(v->X, 1);
    v = ReadoutAt(left, bottom, 780, 20);
    ASSERT_TRUE(v);
    EXPECT_FLOAT_EQ(v->Y, 300);
    EXPECT_FLOAT_EQ(v->X, 366);
    // Below the plot, an axis of no length, a bottom axis ending below 0: nothing.
    EXPECT_FALSE(ReadoutAt(left, bottom, 60, 221));
    EXPECT_FALSE(ReadoutAt({100, 300, 20, 0}, bottom, 60, 20));
    EXPECT_FALSE(ReadoutAt(left, {1, 366, 50, 0}, 60, 100));
    EXPECT_FALSE(ReadoutAt(left, {-9, -1, 50, 730}, 60, 100));
}

TEST(ValueReadout, PanelStaysInsideTheChart)
{
    EXPECT_EQ(ReadoutPanelLeft(100, 120, 900), 100);
    EXPECT_EQ(ReadoutPanelLeft(769, 120, 900), 769);
    EXPECT_EQ(ReadoutPanelLeft(800, 120, 900), 770);
    EXPECT_EQ(ReadoutPanelLeft(895, 120, 900), 770);
}
