#include "chart/panel/title_layout.h"

#include "chart/panel/chart_settings.h"

#include <algorithm>

namespace {

// The text box of step one: the plot's width, the lines' height, at the
// top (title) or bottom (foot) of the plot, inside the frame.
TRect TextBoxOf(const TTitleLayoutInput& in, int frame)
{
    const int height = int(in.LineWidths.size()) * in.LineHeight;
    TRect box{in.Plot.Left + frame, 0, in.Plot.Right - frame, 0};
    if (in.OnTop) {
        box.Top = in.Plot.Top + frame;
        box.Bottom = box.Top + height;
    } else {
        box.Bottom = in.Plot.Bottom - frame;
        box.Top = box.Bottom - height;
    }
    return box;
}

// The drawn box shrunk to the widest line plus a "W".
TRect AdjustedBox(TRect box, const TTitleLayoutInput& in)
{
    const int widest = in.LineWidths.empty() ? 0 : *std::max_element(in.LineWidths.begin(), in.LineWidths.end());
    const int w = widest + in.WWidth;
    switch (in.Alignment) {
    case taLeftJustify:
        box.Right = box.Left + w;
        break;
    case taRightJustify:
        box.Left = box.Right - w;
        break;
    case taCenter: {
        const int c = (box.Left + box.Right) / 2;
        box.Left = c - w / 2;
        box.Right = c + w / 2;
        break;
    }
    }
    return box;
}

int LineX(const TRect& textBox, int lineWidth, const TTitleLayoutInput& in)
{
    switch (in.Alignment) {
    case taLeftJustify:
        return textBox.Left + in.WWidth / 2;
    case taRightJustify:
        return textBox.Right - lineWidth - in.WWidth / 2;
    case taCenter:
        break;
    }
    return (textBox.Left + textBox.Right) / 2 - lineWidth / 2;
}

} // namespace

TTitleLayout CalcTitleLayout(const TTitleLayoutInput& in)
{
    const int frame = in.FrameVisible ? in.FrameWidth : 0;
    const int n = int(in.LineWidths.size());
    TTitleLayout out;
    out.TextBox = TextBoxOf(in, frame);
    out.TitleBox = out.TextBox.Inflated(frame, frame);
    if (in.BoxDrawn && in.AdjustFrame)
        out.TitleBox = AdjustedBox(out.TitleBox, in);

    for (int i = 0; i < n; ++i) {
        // Title lines run down from the top; foot lines end at the bottom.
        const int y = in.OnTop ? out.TextBox.Top + i * in.LineHeight
                               : out.TextBox.Bottom - (n - i) * in.LineHeight;
        out.LineOrigins.push_back({LineX(out.TextBox, in.LineWidths[std::size_t(i)], in), y});
    }

    out.MovesPlot = n > 0 || in.FrameVisible;
    out.PlotEdge = in.OnTop ? out.TextBox.Bottom + frame + TitleFootDistance
                            : out.TextBox.Top - frame - TitleFootDistance;
    return out;
}
