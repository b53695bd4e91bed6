// One mechanism's page of the cycle window: the three plots, the figures beside them, the table
// and the two exports; or, while no link of the mechanism is driven, a text that says so.
#pragma once

#include "analysis/Cycle.h"
#include "analysis/CycleCsv.h"
#include "analysis/CycleFigures.h"
#include "forms/FrmCycleChart.h"

#include <QWidget>

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace qor {

class FileWriteSteps;
class TCycleTableModel;

class TCyclePage : public QWidget {
    Q_OBJECT

public:
    // The page of mechanism `number` (1 or 2), whose record the main window keeps.
    TCyclePage(const Mechanism& mechanism, int number, QWidget* parent = nullptr);

    // The drive of the mechanism or its construction changed: the cycle is computed again from
    // the mechanism's present state, at once if the page is shown, else when it is next shown.
    void DriveChanged();
    // The running mechanisms have made one advance. The page counts the advances of its
    // mechanism and, when shown, moves the cursor and the table's current row with it.
    void Stepped();

    const Cycle& ShownCycle() const { return cycle_; }
    // The row of the cycle that the mechanism shows now; -1 without a cycle.
    int CurrentRow() const;
    bool ShowsNotDriven() const;
    TCycleChartView* ShownChart() const;
    QTableView* Table() const { return table_; }

    // Writes the table as CSV, or the plot shown as a picture (SVG for a name ending in ".svg",
    // else PNG). A file that cannot be written is reported in a message box and left as it was.
    bool SaveTable(const QString& path, CsvStyle style);
    bool SavePlot(const QString& path);
    // The steps the saves write through: the plain ones unless a test makes one of them fail.
    void SetWriteSteps(FileWriteSteps& steps) { writeSteps_ = &steps; }

    // Wide enough for the plots beside the figures and for a few columns of the table.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    // A change of language shows every text again in the new language, the plots and the
    // figures included.
    void changeEvent(QEvent* event) override;

private:
    // Sets the page's fixed texts; with a cycle shown, its figures and its plot again.
    void Retranslate();
    QWidget* CreatePlots();
    QWidget* CreateFigures();
    QTableView* CreateTable();
    // Computes the cycle from the mechanism's present state and shows it.
    void Recompute();
    void ShowFigures(const CycleFigures& figures);
    // Draws the present cycle on the plot shown, if it does not show it yet: a plot is drawn
    // only when its tab is chosen, so that a cycle costs one plot rather than three.
    void DrawShownChart();
    // Puts the cursor of the plot shown and the table's current row on the present row.
    void ShowCurrentRow();
    bool Save(const QString& path, const QByteArray& bytes);
    void bbSaveTableClick();
    void bbSavePlotClick();

    const Mechanism& mechanism_;
    int number_;
    Cycle cycle_;
    std::vector<double> axis_; // the horizontal value of every row
    bool stale_ = true;        // the cycle no longer follows the drive
    long long advances_ = 0;   // of the mechanism since the cycle's start
    FileWriteSteps* writeSteps_;

    QStackedWidget* stack_ = nullptr;
    QLabel* notDriven_ = nullptr;
    QGroupBox* figuresBox_ = nullptr;
    QTabWidget* plots_ = nullptr;
    std::array<TCycleChartView*, 3> charts_{};
    CycleFigures figures_;
    std::array<bool, 3> chartDrawn_{}; // the plot shows the present cycle
    TCycleTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* laClosingMargin = nullptr;
    QLabel* laTransmission = nullptr;
    QLabel* laRangeOfB = nullptr;
    QLabel* laCycleLength = nullptr;
    QPushButton* bbSaveTable = nullptr;
    QPushButton* bbSavePlot = nullptr;
};

} // namespace qor
