#include "chart/canvas/colour.h"
#include "chart/canvas/pixel_math.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

#include <climits>

TEST(Colour, DarkenColourSubtractsPerChannelAndStopsAtZero)
{
    EXPECT_EQ(DarkenColour(0x00FF8040, 128), TColor(0x007F0000));
    EXPECT_EQ(DarkenColour(RGBColour(128, 200, 10), 128), RGBColour(0, 72, 0)); // equal channel -> 0
    EXPECT_EQ(DarkenColour(clWhite, 0), clWhite);
}

TEST(Colour, DarkenColourResolvesSystemColoursFirst)
{
    const TColor face = ResolveColour(clBtnFace);
    EXPECT_EQ(DarkenColour(clBtnFace, 32), DarkenColour(face, 32));
}

TEST(Colour, SystemColoursResolveThroughTheApplicationPalette)
{
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ResolveColour(clBtnShadow), FromQColor(palette.color(QPalette::Dark)));
    EXPECT_EQ(ResolveColour(clBtnHighlight), FromQColor(palette.color(QPalette::Light)));
    EXPECT_EQ(ResolveColour(clWindowText), FromQColor(palette.color(QPalette::Text)));
    EXPECT_EQ(ResolveColour(clWindow), FromQColor(palette.color(QPalette::Base)));
    EXPECT_EQ(ResolveColour(clBtnFace), FromQColor(palette.color(QPalette::Button)));
    EXPECT_FALSE(IsSystemColour(ResolveColour(clInactiveCaption)));
    EXPECT_FALSE(IsSystemColour(ResolveColour(clGradientActiveCaption)));
    EXPECT_EQ(clBtnShadow, 0x80000010u);
    EXPECT_EQ(clBtnHighlight, 0x80000014u);
}

TEST(Colour, NonSystemValuesPassResolveUnchanged)
{
    for (TColor c : {clRed, clMoneyGreen, clDefault, clNone, TColor(0x123456)})
        EXPECT_EQ(ResolveColour(c), c);
}

TEST(Colour, ToQColorKeepsRedInTheLowByte)
{
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x00FF8040), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    EXPECT_EQ(FromQColor(QColor(0x40, 0x80, 0xFF)), TColor(0x00FF8040));
}

TEST(Colour, PaletteWrapsEveryIndex)
{
    EXPECT_EQ(PaletteColour(0), clRed);
    EXPECT_EQ(PaletteColour(2), clYellow);
    EXPECT_EQ(PaletteColour(15), clBlack);
    EXPECT_EQ(PaletteColour(16), clRed);
    EXPECT_EQ(PaletteColour(-1), clBlack);
}

TEST(PixelMath, RoundPixelRoundsHalvesToEven)
{
    const struct { double In; int Out; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {1e300, INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundPixel(c.In), c.Out) << c.In;
}

TEST(PixelMath, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(10, 72, 96), 8); // 7.5
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000); // no 32-bit overflow
    EXPECT_EQ(MulDiv(5, 5, 0), 0);
}
