#include "forms/FrmCycleChart.h"

#include "analysis/CycleFigures.h"
#include "analysis/CyclePlot.h"
#include "analysis/Transmission.h"
#include "forms/FrmCycleTexts.h"
#include "kinematics/Angles.h"
#include "platform/DecimalSeparator.h"
#include "platform/NumberText.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QGraphicsLineItem>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qor {
namespace {

// The transmission angle spans 0 to 180 degrees, with a line every 30.
constexpr double kTransmissionTop = 180.0;
constexpr double kTransmissionTick = 30.0;
// Lines of the grid a plot aims for along each axis.
constexpr double kGridLines = 5.0;

double Degrees(double radians) {
    return static_cast<double>(RadToDeg(radians));
}

bool InDegrees(CycleColumn column) {
    return column != CycleColumn::xB && column != CycleColumn::yB && column != CycleColumn::zB;
}

QString CurveName(CycleColumn column) {
    return CycleText::CurveNames().value(static_cast<int>(column));
}

// The axis labels use the program's decimal separator and no group separator.
QLocale LabelLocale() {
    QLocale locale =
        DecimalSeparator() == QLatin1Char(',') ? QLocale(QLocale::Russian) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// A range of values with room around it; a single value gets a unit on either side.
struct Range {
    double low = 0.0;
    double high = 0.0;
};

Range Padded(Range range, double share) {
    const double room = range.high > range.low ? (range.high - range.low) * share : 1.0;
    return {range.low - room, range.high + room};
}

// The spacing of grid lines for a range: 1, 2 or 5 times a power of ten.
double NiceInterval(const Range& range) {
    const double rough = (range.high - range.low) / kGridLines;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

// An axis over exactly the range, its grid lines on multiples of a round interval.
QValueAxis* CreateAxis(const QString& title, const Range& range, double interval) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(range.low, range.high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(interval);
    const int decimals = interval >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(interval)));
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f"));
    return axis;
}

QList<QPointF> PointsOf(const std::vector<PlotPoint>& points) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const PlotPoint& p : points) {
        list.push_back(QPointF(p.x, p.y));
    }
    return list;
}

} // namespace

TCycleChartView::TCycleChartView(CyclePlotKind kind, QWidget* parent)
    : QChartView(new QChart, parent), kind_(kind) {
    QChart* plot = chart();
    plot->setAnimationOptions(QChart::NoAnimation);
    plot->setBackgroundRoundness(0);
    plot->setMargins(QMargins(2, 2, 2, 2));
    plot->legend()->setAlignment(Qt::AlignBottom);
    plot->legend()->setShowToolTips(true);
    plot->setLocalizeNumbers(true);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setMinimumSize(240, 200);

    cursor_ = new QGraphicsLineItem(plot);
    cursor_->setPen(QPen(QColor(0xc0, 0x10, 0x10), 1.5));
    cursor_->setZValue(10);
    cursor_->hide();
    connect(plot, &QChart::plotAreaChanged, this, [this] {
        CacheItems(true);
        PlaceCursor();
    });
}

void TCycleChartView::SetCycle(const Cycle& cycle, const std::vector<double>& axis,
                               const CycleFigures& figures) {
    cycle_ = &cycle;
    axis_ = &axis;
    cursorRow_ = -1;
    QChart* plot = chart();
    plot->removeAllSeries();
    for (QAbstractAxis* old : plot->axes()) {
        plot->removeAxis(old);
        delete old;
    }
    cursor_->hide();
    if (cycle.Rows.empty()) {
        return;
    }
    plot->setLocale(LabelLocale());
    switch (kind_) {
    case CyclePlotKind::Angles:
        columns_ = {CycleColumn::Fi, CycleColumn::Psi, CycleColumn::Ksi, CycleColumn::Gamma};
        break;
    case CyclePlotKind::PointB:
        columns_ = {CycleColumn::xB, CycleColumn::yB, CycleColumn::zB};
        break;
    case CyclePlotKind::Transmission:
        columns_ = {CycleColumn::Transmission};
        break;
    }
    const auto [xLow, xHigh] = std::minmax_element(axis.begin(), axis.end());
    const Range xRange = *xHigh > *xLow ? Range{*xLow, *xHigh} : Padded({*xLow, *xHigh}, 0);
    const QString xTitle = !PlotsOverDrivenAngle(cycle) ? CycleText::Tr(CycleText::StepAxis)
                           : cycle.Drive == DrivenLinks::Link1
                               ? CycleText::Tr(CycleText::FiAxis)
                               : CycleText::Tr(CycleText::GammaAxis);
    plot->addAxis(CreateAxis(xTitle, xRange, NiceInterval(xRange)), Qt::AlignBottom);
    if (kind_ == CyclePlotKind::Transmission) {
        plot->addAxis(CreateAxis(CycleText::Tr(CycleText::DegreesAxis), {0.0, kTransmissionTop},
                                 kTransmissionTick),
                      Qt::AlignLeft);
        AddTransmissionMarks(figures);
    }
    AddCurves(columns_);
    CacheItems(true);
}

void TCycleChartView::AddCurves(const std::vector<CycleColumn>& columns) {
    QChart* plot = chart();
    const std::vector<std::size_t> runs = RunStarts(*cycle_, *axis_);
    const std::size_t rows = cycle_->Rows.size();
    std::vector<double> values(rows);
    std::vector<PlotPoint> points;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    Range range{kInfinity, -kInfinity};
    std::vector<QLineSeries*> curves;
    for (CycleColumn column : columns) {
        for (std::size_t i = 0; i < rows; ++i) {
            values[i] = ColumnValue(cycle_->Rows[i], column);
        }
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        range = {std::min(range.low, *low), std::max(range.high, *high)};
        // One line per run, so that no line crosses the plot where the driven angle wraps; the
        // runs of a curve share its colour and its one entry in the legend.
        QLineSeries* first = nullptr;
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const std::size_t end = r + 1 < runs.size() ? runs[r + 1] : rows;
            points.clear();
            AppendThinned(points, *axis_, values, runs[r], end, PlotBuckets);
            auto* series = new QLineSeries;
            series->setName(CurveName(column));
            series->replace(PointsOf(points));
            plot->addSeries(series);
            if (first == nullptr) {
                first = series;
            } else {
                series->setPen(first->pen());
                for (QLegendMarker* marker : plot->legend()->markers(series)) {
                    marker->setVisible(false);
                }
            }
            curves.push_back(series);
        }
    }
    QAbstractAxis* xAxis = plot->axes(Qt::Horizontal).front();
    if (plot->axes(Qt::Vertical).isEmpty()) {
        const Range yRange = Padded(range, 0.05);
        plot->addAxis(CreateAxis(InDegrees(columns.front())
                                     ? CycleText::Tr(CycleText::DegreesAxis)
                                     : CycleText::Tr(CycleText::CentimetresAxis),
                                 yRange, NiceInterval(yRange)),
                      Qt::AlignLeft);
    }
    QAbstractAxis* yAxis = plot->axes(Qt::Vertical).front();
    for (QAbstractSeries* series : plot->series()) {
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
}

void TCycleChartView::AddTransmissionMarks(const CycleFigures& figures) {
    QChart* plot = chart();
    const auto [xLow, xHigh] = std::minmax_element(axis_->begin(), axis_->end());
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    for (double x : {*xLow, *xHigh}) {
        upper->append(x, TransmissionBandHighDeg);
        lower->append(x, TransmissionBandLowDeg);
    }
    auto* band = new QAreaSeries(upper, lower);
    // The area does not own its edges: as its children they go with it.
    upper->setParent(band);
    lower->setParent(band);
    band->setName(CycleText::Tr(CycleText::TransmissionBand));
    band->setPen(Qt::NoPen);
    band->setBrush(QColor(0x3c, 0xb0, 0x3c, 0x40));
    plot->addSeries(band);

    struct Mark {
        const std::optional<TransmissionExtreme>* extreme;
        const char* name;
        QColor colour;
    };
    const Mark marks[] = {
        {&figures.SmallestTransmission, CycleText::SmallestMark, QColor(0x20, 0x50, 0xd0)},
        {&figures.LargestTransmission, CycleText::LargestMark, QColor(0xd0, 0x60, 0x10)},
    };
    for (const Mark& mark : marks) {
        if (!*mark.extreme) {
            continue;
        }
        const TransmissionExtreme& extreme = **mark.extreme;
        const double degrees = Degrees(extreme.Angle);
        auto* point = new QScatterSeries;
        point->setName(CycleText::Tr(mark.name));
        point->setColor(mark.colour);
        point->setBorderColor(mark.colour.darker());
        point->setMarkerSize(10);
        point->append((*axis_)[static_cast<std::size_t>(extreme.Step)], degrees);
        plot->addSeries(point);
    }
}

void TCycleChartView::ShowRow(int row) {
    if (row == cursorRow_) {
        return;
    }
    cursorRow_ = row;
    PlaceCursor();
}

void TCycleChartView::CacheItems(bool cached) {
    const QGraphicsItem::CacheMode mode =
        cached ? QGraphicsItem::DeviceCoordinateCache : QGraphicsItem::NoCache;
    for (QGraphicsItem* item : scene()->items()) {
        if (item != cursor_) {
            item->setCacheMode(mode);
        }
    }
}

double TCycleChartView::PositionOf(double axisValue) const {
    const QList<QAbstractSeries*> series = chart()->series();
    return series.isEmpty() ? 0.0
                            : chart()->mapToPosition(QPointF(axisValue, 0.0), series.front()).x();
}

double TCycleChartView::CursorPosition() const {
    return cursor_->line().x1();
}

void TCycleChartView::PlaceCursor() {
    if (cycle_ == nullptr || cursorRow_ < 0 ||
        static_cast<std::size_t>(cursorRow_) >= cycle_->Rows.size()) {
        cursor_->hide();
        return;
    }
    const double x = PositionOf((*axis_)[static_cast<std::size_t>(cursorRow_)]);
    const QRectF area = chart()->plotArea();
    cursor_->setLine(x, area.top(), x, area.bottom());
    cursor_->show();
}

int TCycleChartView::RowNearest(double axisValue) const {
    const std::vector<double>& axis = *axis_;
    if (!PlotsOverDrivenAngle(*cycle_)) {
        const double last = static_cast<double>(axis.size() - 1);
        return static_cast<int>(std::lround(std::clamp(axisValue, 0.0, last)));
    }
    const auto nearest =
        std::min_element(axis.begin(), axis.end(), [axisValue](double a, double b) {
            return std::fabs(a - axisValue) < std::fabs(b - axisValue);
        });
    return static_cast<int>(nearest - axis.begin());
}

QString TCycleChartView::HoverText(int row) const {
    const CycleRow& shown = cycle_->Rows[static_cast<std::size_t>(row)];
    QStringList lines{CycleText::Tr(CycleText::HoverStep).arg(shown.Step)};
    for (CycleColumn column : columns_) {
        lines.push_back(CycleText::Tr(CycleText::HoverValue)
                            .arg(CurveName(column), RealToFixedText(ColumnValue(shown, column)),
                                 InDegrees(column) ? CycleText::Tr(CycleText::DegreesUnit)
                                                   : CycleText::Tr(CycleText::CentimetresUnit)));
    }
    return lines.join(QLatin1Char('\n'));
}

void TCycleChartView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    if (cycle_ == nullptr || cycle_->Rows.empty()) {
        return;
    }
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    if (!chart()->plotArea().contains(inChart)) {
        QToolTip::hideText();
        return;
    }
    const double value = chart()->mapToValue(inChart, chart()->series().front()).x();
    QToolTip::showText(event->globalPosition().toPoint(), HoverText(RowNearest(value)), this);
}

QByteArray TCycleChartView::Picture(PictureFormat format) {
    const bool cursorShown = cursor_->isVisible();
    cursor_->hide();
    // Drawn afresh, the curves stay lines in an SVG and sharp at twice the size.
    CacheItems(false);
    const QRect source = viewport()->rect();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Png) {
        QImage image(source.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        render(&painter, QRectF(image.rect()), source);
        painter.end();
        image.save(&buffer, "PNG");
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(source.size());
        svg.setViewBox(source);
        svg.setTitle(CycleText::Tr(CycleText::DockTitle));
        QPainter painter(&svg);
        render(&painter, QRectF(source), source);
        painter.end();
    }
    CacheItems(true);
    cursor_->setVisible(cursorShown);
    return bytes;
}

} // namespace qor
