// Drops, keys, tooltips and the Tab order of the main window, driven by the
// events a window system would deliver (offscreen).
#include "app/window/dropped_items.h"
#include "app/window/help_window.h"
#include "app/window/main_form.h"
#include "chart/panel/chart.h"
#include "support/temp_files.h"

#include <QComboBox>
#include <QDir>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QString Sample(const char* year)
{
    return QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
}

// Answers every open-file dialog with the same files and counts the calls.
class CountingDialog : public TOpenFileDialog
{
public:
    std::optional<QStringList> Execute(QWidget*, const QString& fileName) override
    {
        presets << fileName;
        return answer;
    }
    QStringList presets;
    QStringList answer{Sample("2010"), Sample("2011")};
};

class DesktopInput : public ::testing::Test
{
protected:
    DesktopInput()
    {
        auto dialog = std::make_unique<CountingDialog>();
        dialog_ = dialog.get();
        form = std::make_unique<TForm1>(std::move(dialog));
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Delivers a drop at a point of the window the way Qt does: to the
    // innermost widget there that takes drops.
    bool Drop(const QMimeData& data, QPoint at)
    {
        QWidget* target = form->childAt(at);
        while (target && !target->acceptDrops())
            target = target->parentWidget();
        EXPECT_EQ(target, form.get());
        if (!target)
            return false;
        const QPoint local = target->mapFrom(form.get(), at);
        QDragEnterEvent enter(local, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(local), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
    static std::unique_ptr<QMimeData> Urls(const QList<QUrl>& urls)
    {
        auto data = std::make_unique<QMimeData>();
        data->setUrls(urls);
        return data;
    }
    void ShowChart()
    {
        ASSERT_TRUE(form->SelectEvaluation(0, 0).isEmpty());
        form->Chart()->Repaint();
    }
    void Zoom()
    {
        TChart& chart = *form->Chart();
        const QPoint from(chart.width() / 3, chart.height() / 3);
        QTest::mousePress(&chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(&chart, from + QPoint(80, 80));
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, from + QPoint(80, 80));
        ASSERT_TRUE(chart.Zoomed());
    }
    bool HelpShown() const { return form->HelpWindow() && form->HelpWindow()->isVisible(); }
    static bool Owns(QWidget* widget, QWidget* focus) { return focus == widget || widget->isAncestorOf(focus); }

    CountingDialog* dialog_ = nullptr;
    std::unique_ptr<TForm1> form;
};

TEST(DroppedItems, LocalFilesLoadAndEverythingElseIsNamed)
{
    TempFiles files;
    const QString year = files.Write("2011.csv", QByteArray("x"));
    const QString folder = QFileInfo(year).absolutePath();
    QMimeData urls;
    urls.setUrls({QUrl::fromLocalFile(year), QUrl::fromLocalFile(folder), QUrl("https://example.org/2012.csv")});
    const TDroppedItems items = TDroppedItems::Classify(urls);
    EXPECT_EQ(items.files, QStringList({year}));
    ASSERT_EQ(items.rejectedLines.size(), 4);
    EXPECT_EQ(items.rejectedLines[0], folder);
    EXPECT_TRUE(items.rejectedLines[1].contains(QStringLiteral("Ordner")));
    EXPECT_EQ(items.rejectedLines[2], QStringLiteral("https://example.org/2012.csv"));
    EXPECT_TRUE(items.rejectedLines[3].contains(QStringLiteral("keine lokale Datei")));

    QMimeData text;
    text.setText(QString(100, QLatin1Char('a')) + QStringLiteral("\nzweite Zeile"));
    const TDroppedItems fromText = TDroppedItems::Classify(text);
    EXPECT_TRUE(fromText.files.isEmpty());
    ASSERT_EQ(fromText.rejectedLines.size(), 2);
    EXPECT_LT(fromText.rejectedLines[0].size(), 70); // one short pane line, not the whole text
    EXPECT_FALSE(fromText.rejectedLines[0].contains(QStringLiteral("zweite")));
}

TEST_F(DesktopInput, DroppedFilesLoadAsTheLoadButtonDoes)
{
    form->LOAD_JData()->click();
    const QStringList buttonLines = form->MemoLines();
    ASSERT_EQ(buttonLines, dialog_->answer);
    ShowChart();

    // Dropped on the pane, on a list and on the chart alike.
    const auto data = Urls({QUrl::fromLocalFile(Sample("2010")), QUrl::fromLocalFile(Sample("2011"))});
    for (QWidget* over : {static_cast<QWidget*>(form->Memo()), static_cast<QWidget*>(form->CB_Art()),
                          static_cast<QWidget*>(form->Chart())}) {
        ShowChart();
        ASSERT_TRUE(Drop(*data, over->geometry().center()));
        EXPECT_EQ(form->MemoLines(), buttonLines);
        EXPECT_EQ(form->YearStore().Year(1), 2010.0f);
        EXPECT_EQ(form->YearStore().Year(2), 2011.0f);
        EXPECT_FALSE(form->YearStore().IsSlotLoaded(3));
        EXPECT_TRUE(form->CB_Art()->isVisible());
        EXPECT_TRUE(form->Chart()->isVisible()); // drawn at once
    }
    EXPECT_EQ(dialog_->presets.size(), 1); // a drop asks no dialog
}

TEST_F(DesktopInput, WhatIsNoFileIsNamedInThePaneAndNothingLoads)
{
    form->LOAD_JData()->click();
    const QStringList loaded = form->MemoLines();
    const QPoint middle = form->rect().center();

    QMimeData text;
    text.setText(QStringLiteral("20110315;08:00;01:30:00"));
    ShowChart();
    ASSERT_TRUE(Drop(text, middle));
    EXPECT_TRUE(form->Chart()->isVisible()); // the note is in the pane below it
    EXPECT_TRUE(form->CB_Wahl()->isVisible());
    EXPECT_EQ(form->MemoLines().mid(0, loaded.size()), loaded);
    EXPECT_EQ(form->MemoLines().size(), loaded.size() + 2);

    const auto elsewhere = Urls({QUrl::fromLocalFile(QDir::tempPath()), QUrl("https://example.org/a.csv")});
    ASSERT_TRUE(Drop(*elsewhere, middle));
    EXPECT_EQ(form->MemoLines().size(), loaded.size() + 6);
    EXPECT_EQ(form->YearStore().Year(1), 2010.0f);
    EXPECT_EQ(form->YearStore().Year(2), 2011.0f);
    // The lists still evaluate the years loaded before.
    ShowChart();
    EXPECT_TRUE(form->Chart()->isVisible());
}

TEST_F(DesktopInput, KeysLoadUndoTheZoomAndShowHelp)
{
    form->LOAD_JData()->setFocus();
    QTest::keyClick(form->LOAD_JData(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialog_->presets, QStringList({QStringLiteral("*.csv")}));
    EXPECT_EQ(form->MemoLines(), dialog_->answer);

    ShowChart();
    const double minimum = form->Chart()->BottomAxis()->Minimum();
    const double maximum = form->Chart()->BottomAxis()->Maximum();
    Zoom();
    EXPECT_NE(form->Chart()->BottomAxis()->Maximum(), maximum);
    form->CB_Art()->setFocus(); // Esc works from the lists too
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    form->Chart()->Repaint();
    EXPECT_FALSE(form->Chart()->Zoomed());
    EXPECT_DOUBLE_EQ(form->Chart()->BottomAxis()->Minimum(), minimum);
    EXPECT_DOUBLE_EQ(form->Chart()->BottomAxis()->Maximum(), maximum);

    QTest::keyClick(form->Chart(), Qt::Key_F1);
    ASSERT_TRUE(HelpShown());
    THelpWindow* help = form->HelpWindow();
    for (const char* topic : {"Kennzeile", "Legende", "Strg+O", "Strg+S", "Strg+C", "Strg+P", "Esc", "F1"})
        EXPECT_TRUE(help->Text().contains(QString::fromUtf8(topic))) << topic;
    QApplication::setActiveWindow(help); // the window system's part: offscreen windows are not activated
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(HelpShown());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_TRUE(HelpShown());
    EXPECT_EQ(form->HelpWindow(), help); // one help window, shown again
}

// Each key a tooltip names works from the control that shows the tooltip.
TEST_F(DesktopInput, EveryKeyNamedInATooltipWorks)
{
    form->LOAD_JData()->click();
    const QRegularExpression keyPattern(QStringLiteral("\\b(Strg\\+\\w+|Esc|F\\d+)\\b"));
    int keysSeen = 0;
    for (QWidget* control : std::initializer_list<QWidget*>{form->LOAD_JData(), form->CB_Wahl(), form->CB_Kum(),
                                                            form->CB_Art()}) {
        const QString tip = control->toolTip();
        EXPECT_FALSE(tip.isEmpty()) << control->objectName().toStdString();
        for (const auto& match : keyPattern.globalMatch(tip)) {
            QString name = match.captured(1);
            name.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
            ShowChart();
            Zoom();
            if (form->HelpWindow())
                form->HelpWindow()->close();
            const qsizetype dialogs = dialog_->presets.size();
            control->setFocus();
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::fromString(name));
            const bool acted = dialog_->presets.size() > dialogs || !form->Chart()->Zoomed() || HelpShown();
            EXPECT_TRUE(acted) << name.toStdString() << " in the tooltip of " << control->objectName().toStdString();
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
            ++keysSeen;
        }
    }
    EXPECT_GE(keysSeen, 3);
    EXPECT_TRUE(keyPattern.match(form->LOAD_JData()->toolTip()).hasMatch());
}

TEST_F(DesktopInput, TabVisitsTheListsInTheirOrder)
{
    form->LOAD_JData()->click();
    const auto visit = [this](std::initializer_list<QWidget*> expected) {
        form->LOAD_JData()->setFocus();
        std::vector<QWidget*> seen;
        for (int press = 0; press < 12 && seen.size() < expected.size(); ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            for (QWidget* w : expected)
                if (Owns(w, QApplication::focusWidget()) && (seen.empty() || seen.back() != w))
                    seen.push_back(w);
        }
        EXPECT_EQ(seen, std::vector<QWidget*>(expected));
    };
    visit({form->CB_Wahl(), form->CB_Kum(), form->CB_Art()});
    ShowChart(); // the chart takes its place between the first two lists
    visit({form->CB_Wahl(), form->Chart(), form->CB_Kum(), form->CB_Art()});
}

} // namespace
