// One plot of the cycle window: its curves drawn with Qt Charts, a vertical cursor at the row the
// mechanism shows, the values at the row under the mouse, and the plot as a PNG or SVG picture.
#pragma once

#include "analysis/Cycle.h"
#include "analysis/CycleColumns.h"

#include <QByteArray>
#include <QChartView>

#include <vector>

class QGraphicsLineItem;

namespace qor {

struct CycleFigures;

// What a plot shows over the cycle.
enum class CyclePlotKind {
    Angles,       // Fi, Psi, Ksi and Gamma in degrees
    PointB,       // xB, yB and zB as the read-outs show them
    Transmission, // the transmission angle with the band 40-140 degrees and its extremes
};

enum class PictureFormat { Png, Svg };

// Pixel columns that a curve is thinned for: wider than a plot on any usual screen, so that
// nothing a full curve would show is lost, and few enough points to redraw at once.
constexpr std::size_t PlotBuckets = 1024;

class TCycleChartView : public QChartView {
    Q_OBJECT

public:
    explicit TCycleChartView(CyclePlotKind kind, QWidget* parent = nullptr);

    // Draws the curves of `cycle` over `axis` (AxisValues), which both must outlive the view or
    // be replaced first. A cycle without rows leaves the plot empty.
    void SetCycle(const Cycle& cycle, const std::vector<double>& axis, const CycleFigures& figures);

    // Puts the cursor on a row of the cycle (-1: no cursor).
    void ShowRow(int row);
    int CursorRow() const { return cursorRow_; }
    // Where the cursor stands, in the chart's coordinates; and where a value of the horizontal
    // axis lies there.
    double CursorPosition() const;
    double PositionOf(double axisValue) const;

    // What the mouse shows over a row: its step and the values the plot draws.
    QString HoverText(int row) const;
    // The row whose horizontal value lies nearest to `axisValue` (the first of equals).
    int RowNearest(double axisValue) const;

    // The plot as the window shows it, without the cursor: a PNG of twice the view's size (so
    // that it prints sharply), or an SVG of the view's size.
    QByteArray Picture(PictureFormat format);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void AddCurves(const std::vector<CycleColumn>& columns);
    void AddTransmissionMarks(const CycleFigures& figures);
    void PlaceCursor();
    // Keeps (or stops keeping) a picture of every item of the plot but the cursor, so that moving
    // the cursor repaints the strips it leaves and enters from those pictures instead of drawing
    // the curves again.
    void CacheItems(bool cached);

    CyclePlotKind kind_;
    const Cycle* cycle_ = nullptr;
    const std::vector<double>* axis_ = nullptr;
    std::vector<CycleColumn> columns_;
    QGraphicsLineItem* cursor_ = nullptr;
    int cursorRow_ = -1;
};

} // namespace qor
