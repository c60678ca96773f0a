#include "support/recording_canvas.h"
#include "chart/canvas/view3d_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

TEST(RecordingCanvas, LogsOperationsWithTheirStateAsValues)
{
    TRecordingCanvas canvas;
    canvas.Pen().Color = clRed;
    canvas.Brush().Color = clYellow;
    canvas.Rectangle(1, 2, 3, 4);
    canvas.Pen().Color = clBlue;
    canvas.Line(5, 6, 7, 8);
    canvas.SetTextAlign(TextAlignCenter | TextAlignBottom);
    canvas.TextOut(9, 10, QStringLiteral("abc"));

    ASSERT_EQ(canvas.OpNames(), (QStringList{"Rectangle", "LineTo", "TextOut"}));
    const auto& ops = canvas.Ops();
    EXPECT_EQ(ops[0].Args, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ops[0].Pen.Color, clRed);
    EXPECT_EQ(ops[0].Brush.Color, clYellow);
    EXPECT_EQ(ops[1].Args, (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(ops[1].Pen.Color, clBlue);
    EXPECT_EQ(ops[2].Text, "abc");
    EXPECT_EQ(ops[2].TextAlign, TextAlignCenter | TextAlignBottom);
}

TEST(RecordingCanvas, FixedTextMetrics)
{
    TRecordingCanvas canvas;
    EXPECT_EQ(canvas.MeasureWidth(QStringLiteral("Januar")), 42);
    EXPECT_EQ(canvas.TextLineHeight(), 13);
}

TEST(RecordingCanvas, StairsLineContinuesFromTheHorizontalLeg)
{
    TRecordingCanvas canvas;
    canvas.HLine(0, 10, 5);
    canvas.LineTo(10, 20);
    const auto lines = canvas.OpsNamed(QStringLiteral("LineTo"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].Args, (std::vector<int>{10, 5, 10, 20}));
}

TEST(RecordingCanvas, BevelFrameShrinksTheRectangleByItsWidth)
{
    TRecordingCanvas canvas;
    TRect r{0, 0, 100, 50};
    canvas.BevelFrame(r, clBtnShadow, clBtnHighlight, 3);
    EXPECT_EQ(r, (TRect{3, 3, 97, 47}));
    const TCanvasOp& op = canvas.Ops().at(0);
    EXPECT_EQ(op.Args, (std::vector<int>{0, 0, 100, 50, 3}));
    EXPECT_EQ(op.Colours, (std::vector<TColor>{clBtnShadow, clBtnHighlight}));
}

TEST(RecordingCanvas, ZOperationsIn2DRecordTheir2DSiblingsForAnyDepth)
{
    for (int z : {0, 7, -30}) {
        TRecordingCanvas flat;
        TRecordingCanvas deep;
        flat.Rectangle(TRect{1, 2, 30, 40});
        flat.Line(1, 2, 3, 4);
        flat.HLine(5, 6, 7);
        flat.VLine(8, 9, 10);
        flat.TextOut(11, 12, QStringLiteral("t"));
        flat.Ellipse(1, 1, 11, 11);
        deep.RectAtZ({1, 2, 30, 40}, z);
        deep.LineAtZ(1, 2, 3, 4, z);
        deep.HLineAtZ(5, 6, 7, z);
        deep.VLineAtZ(8, 9, 10, z);
        deep.TextOutAtZ(11, 12, QStringLiteral("t"), z);
        deep.EllipseAtZ(1, 1, 10, 10, z);
        ASSERT_EQ(flat.Ops().size(), deep.Ops().size());
        for (std::size_t i = 0; i < flat.Ops().size(); ++i) {
            EXPECT_EQ(flat.Ops()[i].Name, deep.Ops()[i].Name);
            EXPECT_EQ(flat.Ops()[i].Args, deep.Ops()[i].Args);
        }
    }
}

TEST(RecordingCanvas, ClipToPlotIn2DExcludesTheFrame)
{
    TRecordingCanvas canvas;
    canvas.ClipToPlot({10, 20, 110, 220}, 0, 15);
    EXPECT_EQ(canvas.Ops().at(0).Args, (std::vector<int>{11, 21, 110, 219}));
}

TEST(RecordingCanvas, ResetStateAndTextAtAngle)
{
    TRecordingCanvas canvas;
    canvas.Pen() = TCanvasPen{clRed, 3, psDash, pmXor, true};
    canvas.Brush().Style = bsCross;
    canvas.Font().Size = 30;
    canvas.SetBackgroundMode(bmOpaque);
    canvas.SetBackColor(clBtnFace);
    EXPECT_EQ(canvas.BackgroundColour(), ResolveColour(clBtnFace));
    canvas.ResetState();
    EXPECT_EQ(canvas.Pen(), TCanvasPen{});
    EXPECT_EQ(canvas.Brush().Style, bsSolid);
    EXPECT_EQ(canvas.Brush().Color, clWhite);
    EXPECT_EQ(canvas.Font().Size, 10);
    EXPECT_EQ(canvas.BackgroundMode(), bmTransparent);
    EXPECT_EQ(canvas.BackgroundColour(), clWhite);

    canvas.TextAtAngle(5, 6, QStringLiteral("x"), 450);
    EXPECT_EQ(canvas.Ops().back().Args, (std::vector<int>{5, 6, 90}));
    EXPECT_EQ(canvas.Brush().Style, bsClear);
}

TEST(RecordingCanvas, FilledArrowIsASevenPointPolygon)
{
    TRecordingCanvas canvas;
    canvas.Arrow(true, {0, 0}, {20, 0}, 8, 30, 0);
    const TCanvasOp& op = canvas.Ops().at(0);
    ASSERT_EQ(op.Name, "Polygon");
    // Head length limited to the distance: its base is at the start point.
    const std::vector<TPoint> expected{{0, 2}, {0, 2}, {0, 4}, {20, 0}, {0, -4}, {0, -2}, {0, -2}};
    EXPECT_EQ(op.Points, expected);
}

TEST(Projection, TwoDimensionalChartIsTheIdentity)
{
    TRecordingCanvas canvas;
    canvas.StartFrame(nullptr, nullptr, {0, 0, 400, 250}, false);
    canvas.SetProjection(40, {0, 0, 400, 250}, {50, 30, 350, 200});
    EXPECT_EQ(canvas.ProjectPoint(17, 23, 99), (TPoint{17, 23}));
    int x = 17, y = 23;
    canvas.UnprojectPoint(x, y, 99);
    EXPECT_EQ(x, 17);
    EXPECT_EQ(y, 23);
}

TEST(Projection, OrthogonalViewShiftsByDepthAndUnprojectInvertsIt)
{
    TView3DOptions options;
    options.SetZoom(150);
    options.SetHorizOffset(4);
    TRecordingCanvas canvas;
    canvas.StartFrame(nullptr, &options, {0, 0, 400, 250}, true);
    canvas.SetProjection(40, {0, 0, 400, 250}, {50, 30, 351, 201}); // centre (200, 115)
    // x' = round(1.5 * (x + z - 200)) + 204, y' = round(1.5 * (y - 115 - z)) + 115
    EXPECT_EQ(canvas.ProjectPoint(210, 115, 10), (TPoint{234, 100}));
    EXPECT_EQ(canvas.ProjectPoint(201, 116, 0), (TPoint{206, 117})); // 1.5 -> 2 (halves to even)
    int x = 234, y = 100;
    canvas.UnprojectPoint(x, y, 10);
    EXPECT_EQ(x, 210);
    EXPECT_EQ(y, 115);
}

TEST(Projection, ZeroZoomLeavesUnprojectUnchangedAndFreeViewStaysFinite)
{
    TView3DOptions options;
    options.SetZoom(0);
    TRecordingCanvas canvas;
    canvas.StartFrame(nullptr, &options, {0, 0, 400, 250}, true);
    canvas.SetProjection(40, {0, 0, 400, 250}, {0, 0, 400, 250});
    int x = 5, y = 6;
    canvas.UnprojectPoint(x, y, 3);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);

    options.SetZoom(100);
    options.SetOrthogonal(false);
    options.SetPerspective(100);
    canvas.StartFrame(nullptr, &options, {0, 0, 400, 250}, true);
    canvas.SetProjection(40, {0, 0, 400, 250}, {0, 0, 400, 250});
    const TPoint centre = canvas.ProjectPoint(200, 125, 20);
    EXPECT_EQ(centre, (TPoint{200, 125})); // the centre stays put whatever the rotation
    canvas.SolidCube({100, 100, 150, 200}, 0, 40, true);
    canvas.SolidSphere({200, 100}, 20, 10);
    canvas.PieAtZ({200, 125}, 50, 40, 0, 20, 0, 120, true);
    EXPECT_GE(canvas.OpsNamed(QStringLiteral("Polygon")).size(), 5u);
    for (const TCanvasOp& op : canvas.OpsNamed(QStringLiteral("Polygon")))
        for (const TPoint& p : op.Points)
            EXPECT_LT(std::abs(p.X) + std::abs(p.Y), 5000);
}

TEST(Projection, ZoomedTextIn3DScalesTheFont)
{
    TView3DOptions options;
    options.SetZoom(200);
    TRecordingCanvas canvas;
    canvas.Font().Size = 8;
    canvas.StartFrame(nullptr, &options, {0, 0, 400, 250}, true);
    canvas.SetProjection(0, {0, 0, 400, 250}, {0, 0, 400, 250});
    canvas.TextOutAtZ(200, 125, QStringLiteral("x"), 0);
    EXPECT_EQ(canvas.Ops().back().Font.Size, 16);
    EXPECT_EQ(canvas.Font().Size, 8); // only for the one call
    canvas.BeginFlatDrawing();
    canvas.TextOutAtZ(20, 25, QStringLiteral("x"), 5);
    canvas.EndFlatDrawing();
    EXPECT_EQ(canvas.Ops().back().Args, (std::vector<int>{20, 25}));
    EXPECT_EQ(canvas.Ops().back().Font.Size, 8);
    EXPECT_TRUE(canvas.Is3D());
}

TEST(Projection, OrthogonalCubeShowsFrontTopAndRightFacesShaded)
{
    TView3DOptions options;
    TRecordingCanvas canvas;
    canvas.StartFrame(nullptr, &options, {0, 0, 400, 250}, true);
    canvas.SetProjection(0, {0, 0, 400, 250}, {0, 0, 400, 250});
    canvas.Brush().Color = RGBColour(200, 200, 200);
    canvas.SolidCube({100, 100, 150, 200}, 0, 20, true);
    const auto faces = canvas.OpsNamed(QStringLiteral("Polygon"));
    ASSERT_EQ(faces.size(), 3u);
    std::vector<TColor> colours;
    for (const TCanvasOp& f : faces)
        colours.push_back(f.Brush.Color);
    std::sort(colours.begin(), colours.end());
    EXPECT_EQ(colours, (std::vector<TColor>{RGBColour(72, 72, 72), RGBColour(136, 136, 136),
                                            RGBColour(200, 200, 200)}));
    EXPECT_EQ(canvas.Brush().Color, RGBColour(200, 200, 200)); // restored

    TRecordingCanvas flat;
    flat.SolidCube({100, 100, 150, 200}, 0, 20, true);
    ASSERT_EQ(flat.Ops().size(), 1u); // only the front face in 2D
    EXPECT_EQ(flat.Ops()[0].Points, (std::vector<TPoint>{{100, 100}, {150, 100}, {150, 200}, {100, 200}}));
}
