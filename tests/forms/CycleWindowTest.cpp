// The cycle window on the main window: its menu item and place, the page without a driven link,
// the cursor and the table's current row following the drive, the exports, and its place kept
// from one start to the next.
#include "MainWindowFixture.h"

#include "analysis/CycleCsv.h"
#include "analysis/CyclePlot.h"
#include "forms/FrmCycle.h"
#include "forms/FrmCyclePage.h"
#include "forms/FrmCycleTable.h"
#include "platform/AtomicFile.h"
#include "platform/DecimalSeparator.h"
#include "platform/IdleHook.h"
#include "platform/MessageBox.h"
#include "platform/UserSettings.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>

namespace qortest {
namespace {

using qor::TCyclePage;

// Each test starts as on a fresh profile: nothing remembered of the windows. The settings go to
// the test run's own file (GuiTestMain).
struct FreshProfile {
    FreshProfile() { qor::UserSettings().remove(QStringLiteral("Windows/MainWindowState")); }
};

class CycleWindow : private FreshProfile, public MainWindow {
protected:
    qor::TCycleForm* Window() const { return form.CycleForm(); }
    TCyclePage* Page1() const { return Window()->Page(1); }

    // The default construction with link 1 of mechanism 1 driven forwards, the window open.
    void OpenOnLinkOneDriven() {
        NewConstruction();
        Click("cb1");
        Click("rbRotPlus1");
        Get<QAction>("mnCycle")->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Page1()));
    }

    // The row the page shows as current, on the plot shown and in the table.
    void ExpectCurrentRow(int row) {
        EXPECT_EQ(Page1()->CurrentRow(), row);
        qor::TCycleChartView* chart = Page1()->ShownChart();
        EXPECT_FALSE(chart->chart()->series().isEmpty()) << "the plot shown is drawn";
        EXPECT_EQ(chart->CursorRow(), row);
        const std::vector<double> axis = qor::AxisValues(Page1()->ShownCycle());
        EXPECT_DOUBLE_EQ(chart->CursorPosition(), chart->PositionOf(axis[row]));
        const auto* model = static_cast<qor::TCycleTableModel*>(Page1()->Table()->model());
        EXPECT_EQ(model->CycleRowOf(Page1()->Table()->currentIndex().row()), row);
    }
};

TEST_F(CycleWindow, MenuItemOpensItOnTheRightAndAnUndrivenMechanismIsSaidSo) {
    EXPECT_FALSE(Window()->isVisible()) << "closed at start on a fresh profile";

    OpenOnLinkOneDriven();
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Цикл механизма"));
    EXPECT_EQ(form.dockWidgetArea(Window()), Qt::RightDockWidgetArea);
    EXPECT_EQ(Window()->Tabs()->tabText(1), QStringLiteral("Механизм 2"));
    EXPECT_FALSE(Page1()->ShowsNotDriven());
    EXPECT_EQ(Page1()->ShownCycle().Rows.size(), 359u);
    EXPECT_EQ(Page1()->Table()->model()->rowCount(), 359);
    EXPECT_TRUE(Window()->Page(2)->ShowsNotDriven());

    // Cleared, the link no longer turns: the page says so at once; ticked again, it plots.
    Click("cb1");
    EXPECT_TRUE(Page1()->ShowsNotDriven());
    Click("cb1");
    Click("rbRotMinus1");
    EXPECT_FALSE(Page1()->ShowsNotDriven());
    EXPECT_LT(Page1()->ShownCycle().Start.dFi, 0.0) << "the cycle of the new drive";
}

TEST_F(CycleWindow, CursorAndTableRowFollowSingleStepsRunningAndStop) {
    OpenOnLinkOneDriven();
    // Sorted by Psi, largest first: the current row is still found by its step.
    Page1()->Table()->sortByColumn(2, Qt::DescendingOrder);
    ExpectCurrentRow(0);
    Click("bbStepByStep");
    Click("bbStepByStep");
    ExpectCurrentRow(2);

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Click("bbRunWork");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Mechanism1().Fi >= qor::DegToRad(10.0); }));
    Click("bbRunWork");
    const int stoppedAt = static_cast<int>(std::lround(qor::RadToDeg(form.Mechanism1().Fi)));
    ExpectCurrentRow(stoppedAt);
    // Another plot, drawn when its tab is chosen, shows the same row.
    Find<QTabWidget>(Page1(), "CyclePlots")->setCurrentIndex(2);
    ExpectCurrentRow(stoppedAt);
    bool done = false;
    form.IdlePass(done);
    form.IdlePass(done);
    ExpectCurrentRow(stoppedAt);

    // A new drive starts the cycle afresh from where the mechanism stands.
    Click("rbRotMinus1");
    ExpectCurrentRow(0);
    EXPECT_EQ(Page1()->ShownCycle().Rows.front().Fi, form.Mechanism1().Fi);
}

// The table keeps still while the current row is in its view; once the row has left, it is
// brought to the middle, so that a running mechanism does not scroll the table on every step.
TEST_F(CycleWindow, TableScrollsOnlyWhenTheCurrentRowLeavesItsView) {
    OpenOnLinkOneDriven();
    QTableView* table = Page1()->Table();
    const QScrollBar* bar = table->verticalScrollBar();
    const int rowsInView = table->viewport()->height() / table->rowHeight(0);
    for (int row = 1; row < rowsInView; ++row) {
        Click("bbStepByStep");
        ASSERT_EQ(bar->value(), 0) << "row " << row << " is still in view";
    }
    Click("bbStepByStep");
    const int scrolledTo = bar->value();
    // Near the middle, as near as whole rows allow: in view, well away from the bottom edge.
    const QRect place = table->visualRect(table->currentIndex());
    EXPECT_GE(place.top(), 0);
    EXPECT_LT(place.bottom(), table->viewport()->height() * 3 / 4);
    Click("bbStepByStep");
    EXPECT_EQ(bar->value(), scrolledTo);
}

// Hovering shows the values at the row under the mouse, and the table shows every value in full,
// both with the program's decimal separator.
TEST_F(CycleWindow, HoverAndTableShowTheRowsValuesWithTheProgramsSeparator) {
    struct KeepSeparator {
        QChar previous = qor::DecimalSeparator();
        ~KeepSeparator() { qor::SetDecimalSeparator(previous); }
    } keep;
    qor::SetDecimalSeparator(QChar(','));
    OpenOnLinkOneDriven();
    qor::TCycleChartView* chart = Page1()->ShownChart();
    const qor::CycleRow& row = Page1()->ShownCycle().Rows[100];
    const QPoint at(static_cast<int>(std::lround(chart->PositionOf(100.0))),
                    static_cast<int>(chart->chart()->plotArea().center().y()));
    QTest::mouseMove(chart->viewport(), chart->mapFromScene(chart->chart()->mapToScene(at)));
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::text().isEmpty(); }));
    const QStringList lines = QToolTip::text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5) << QToolTip::text().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("шаг 100"));
    EXPECT_EQ(lines[2], QStringLiteral("Psi = ") + DegreesText(row.Psi) + QStringLiteral("°"));

    const QAbstractItemModel* table = Page1()->Table()->model();
    const QString psi = table->data(table->index(100, 2)).toString();
    EXPECT_FALSE(psi.contains(QLatin1Char('.')));
    EXPECT_EQ(QLocale(QLocale::Russian).toDouble(psi), static_cast<double>(qor::RadToDeg(row.Psi)))
        << "every digit of the double";
}

TEST_F(CycleWindow, PlotsAreWrittenAsPngAndSvgAndTheTableInTheChosenStyle) {
    OpenOnLinkOneDriven();
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("plot.png"));
    const QString svg = folder.filePath(QStringLiteral("plot.svg"));
    const QString csv = folder.filePath(QStringLiteral("table.csv"));
    ASSERT_TRUE(Page1()->SavePlot(png));
    ASSERT_TRUE(Page1()->SavePlot(svg));
    ASSERT_TRUE(Page1()->SaveTable(csv, qor::CsvStyle::Semicolon));

    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), Page1()->ShownChart()->viewport()->size() * 2);
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox().size(), Page1()->ShownChart()->viewport()->size());
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll().toStdString(),
              qor::CycleCsv(Page1()->ShownCycle(), qor::CsvStyle::Semicolon));
}

// Steps that fail as a full disk would, after part of the bytes went out.
class FullDisk final : public qor::FileWriteSteps {
public:
    bool Write(QSaveFile& file, const QByteArray& bytes) override {
        file.write(bytes.left(bytes.size() / 2));
        return false;
    }
};

TEST_F(CycleWindow, FailedSaveSaysSoAndLeavesTheOldFileAsItWas) {
    OpenOnLinkOneDriven();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.csv"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old table\n");
    }
    FullDisk disk;
    Page1()->SetWriteSteps(disk);
    qor::MessageBoxRecorder boxes;
    EXPECT_FALSE(Page1()->SaveTable(path, qor::CsvStyle::Comma));
    EXPECT_FALSE(Page1()->SavePlot(path));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown().front().caption, QStringLiteral("Ошибка !"));
    EXPECT_TRUE(boxes.Shown().front().text.contains(path));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old table\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.csv")});
}

struct PlaceCase {
    const char* name;
    bool open;
    bool floating;
};

const PlaceCase placeCases[] = {
    {"ClosedStaysClosed", false, false},
    {"DockedOnTheRight", true, false},
    {"Floating", true, true},
};

TEST_F(CycleWindow, ComesBackWhereItWasAfterARestart) {
    for (const PlaceCase& c : placeCases) {
        SCOPED_TRACE(c.name);
        qor::TMainForm first;
        first.resize(1366, 768);
        first.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
        qor::TCycleForm* window = first.CycleForm();
        window->setVisible(c.open);
        window->setFloating(c.floating);
        const QRect floatingPlace(200, 150, 700, 500);
        if (c.floating) {
            window->setGeometry(floatingPlace);
        }
        first.close();

        qor::TMainForm next;
        next.resize(1366, 768);
        next.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
        EXPECT_EQ(next.CycleForm()->isVisible(), c.open);
        EXPECT_EQ(next.CycleForm()->isFloating(), c.floating);
        if (c.floating) {
            EXPECT_EQ(next.CycleForm()->geometry(), floatingPlace);
        } else if (c.open) {
            EXPECT_EQ(next.dockWidgetArea(next.CycleForm()), Qt::RightDockWidgetArea);
        }
    }
}

} // namespace
} // namespace qortest
