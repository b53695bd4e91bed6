#include "forms/FrmCyclePage.h"

#include "analysis/CycleFigures.h"
#include "analysis/CyclePlot.h"
#include "forms/FrmCycleTable.h"
#include "forms/FrmCycleTexts.h"
#include "forms/Widgets.h"
#include "kinematics/Angles.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace qor {
namespace {

// The widest texts of the table's columns: a step, and a value in full precision.
const QString kWidestStep = QStringLiteral("000000");
const QString kWidestValue = QStringLiteral("-000,000000000000000");

// The page's preferred width in pixels; the dock opens this wide where the main window has room.
constexpr int kPreferredWidth = 640;

enum StackPage { NotDrivenPage, CyclePage };

double Degrees(double radians) {
    return static_cast<double>(RadToDeg(radians));
}

QString RangeText(const QString& name, double low, double high) {
    return CycleText::Tr(CycleText::CoordinateRange)
        .arg(name, RealToFixedText(low), RealToFixedText(high));
}

QString TransmissionText(const CycleFigures& figures) {
    if (!figures.SmallestTransmission || !figures.LargestTransmission) {
        return {};
    }
    const TransmissionExtreme& low = *figures.SmallestTransmission;
    const TransmissionExtreme& high = *figures.LargestTransmission;
    return CycleText::Tr(CycleText::TransmissionRange)
        .arg(RealToFixedText(Degrees(low.Angle)))
        .arg(low.Step)
        .arg(RealToFixedText(Degrees(high.Angle)))
        .arg(high.Step);
}

// Asks where to save, offering `filters`; `filter` is the one offered first and comes back as
// the one chosen. A name typed without an extension gets the chosen filter's. Empty: cancelled.
QString AskSavePath(QWidget* parent, const QString& title, const QString& name,
                    const QStringList& filters, const QStringList& suffixes, int& filter) {
    QFileDialog dialog(parent, title, QDir::home().filePath(name));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filter));
    dialog.setDefaultSuffix(suffixes.value(filter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(chosen)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    filter = std::max<int>(0, filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().front();
}

FileWriteSteps& PlainWriteSteps() {
    static FileWriteSteps steps;
    return steps;
}

QLabel* CreateFigureLabel(const QString& name) {
    QLabel* label = CreateLabel({}, name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TCyclePage::TCyclePage(const Mechanism& mechanism, int number, QWidget* parent)
    : QWidget(parent), mechanism_(mechanism), number_(number), writeSteps_(&PlainWriteSteps()) {
    setObjectName(QStringLiteral("CyclePage%1").arg(number));
    notDriven_ = CreateLabel({}, QStringLiteral("laNotDriven"));
    notDriven_->setWordWrap(true);
    notDriven_->setAlignment(Qt::AlignCenter);
    notDriven_->setMargin(24);

    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(CreatePlots(), 1);
    topLayout->addWidget(CreateFigures());

    auto* splitter = Named(new QSplitter(Qt::Vertical), QStringLiteral("CycleSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(CreateTable());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    bbSaveTable = CreateButton(QStringLiteral("bbSaveTable"), {});
    bbSavePlot = CreateButton(QStringLiteral("bbSavePlot"), {});
    connect(bbSaveTable, &QPushButton::clicked, this, [this] { bbSaveTableClick(); });
    connect(bbSavePlot, &QPushButton::clicked, this, [this] { bbSavePlotClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bbSaveTable);
    buttons->addWidget(bbSavePlot);
    buttons->addStretch();

    auto* cycle = new QWidget;
    auto* cycleLayout = new QVBoxLayout(cycle);
    cycleLayout->setContentsMargins(0, 0, 0, 0);
    cycleLayout->addWidget(splitter, 1);
    cycleLayout->addLayout(buttons);

    stack_ = new QStackedWidget;
    stack_->insertWidget(NotDrivenPage, notDriven_);
    stack_->insertWidget(CyclePage, cycle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(stack_);
    Retranslate();
}

void TCyclePage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
}

void TCyclePage::Retranslate() {
    notDriven_->setText(CycleText::Tr(CycleText::NotDriven));
    bbSaveTable->setText(CycleText::Tr(CycleText::SaveTable));
    bbSavePlot->setText(CycleText::Tr(CycleText::SavePlot));
    const char* const plots[] = {CycleText::AnglesTab, CycleText::PointBTab,
                                 CycleText::TransmissionTab};
    for (int tab = 0; tab < plots_->count(); ++tab) {
        plots_->setTabText(tab, CycleText::Tr(plots[tab]));
    }
    figuresBox_->setTitle(CycleText::Tr(CycleText::FiguresTitle));
    const std::pair<QLabel*, const char*> figures[] = {{laClosingMargin, CycleText::ClosingMargin},
                                                       {laTransmission, CycleText::Transmission},
                                                       {laRangeOfB, CycleText::RangeOfB},
                                                       {laCycleLength, CycleText::CycleLength}};
    auto* form = static_cast<QFormLayout*>(figuresBox_->layout());
    for (const auto& [field, caption] : figures) {
        static_cast<QLabel*>(form->labelForField(field))->setText(CycleText::Tr(caption));
    }
    model_->headerDataChanged(Qt::Horizontal, 0, CycleColumnCount - 1);
    if (!stale_) {
        ShowFigures(figures_);
        chartDrawn_ = {};
        DrawShownChart();
        ShowCurrentRow();
    }
}

QWidget* TCyclePage::CreatePlots() {
    plots_ = Named(new QTabWidget, QStringLiteral("CyclePlots"));
    plots_->setDocumentMode(true);
    for (CyclePlotKind kind :
         {CyclePlotKind::Angles, CyclePlotKind::PointB, CyclePlotKind::Transmission}) {
        auto* chart = new TCycleChartView(kind);
        charts_[static_cast<std::size_t>(kind)] = chart;
        plots_->addTab(chart, QString());
    }
    connect(plots_, &QTabWidget::currentChanged, this, [this] {
        DrawShownChart();
        ShowCurrentRow();
    });
    return plots_;
}

QWidget* TCyclePage::CreateFigures() {
    laClosingMargin = CreateFigureLabel(QStringLiteral("laClosingMargin"));
    laTransmission = CreateFigureLabel(QStringLiteral("laTransmission"));
    laRangeOfB = CreateFigureLabel(QStringLiteral("laRangeOfB"));
    laCycleLength = CreateFigureLabel(QStringLiteral("laCycleLength"));
    figuresBox_ = Named(new QGroupBox, QStringLiteral("gbFigures"));
    auto* form = new QFormLayout(figuresBox_);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    for (QLabel* figure : {laClosingMargin, laTransmission, laRangeOfB, laCycleLength}) {
        QLabel* caption = CreateLabel({});
        caption->setBuddy(figure);
        form->addRow(caption, figure);
    }
    figuresBox_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return figuresBox_;
}

QTableView* TCyclePage::CreateTable() {
    model_ = new TCycleTableModel(this);
    table_ = Named(new QTableView, QStringLiteral("CycleTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    // Rows of one fixed height and columns sized from sample texts: sizing them to their
    // contents would read every row of a long cycle.
    QHeaderView* rows = table_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView* columns = table_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics = table_->fontMetrics();
    for (int column = 0; column < CycleColumnCount; ++column) {
        const QString& sample = column == 0 ? kWidestStep : kWidestValue;
        const int header = metrics.horizontalAdvance(CycleText::TableHeaders().value(column));
        columns->resizeSection(column, std::max(metrics.horizontalAdvance(sample), header) + 24);
    }
    columns->setSortIndicator(0, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    return table_;
}

QSize TCyclePage::sizeHint() const {
    return {kPreferredWidth, QWidget::sizeHint().height()};
}

bool TCyclePage::ShowsNotDriven() const {
    return stack_->currentIndex() == NotDrivenPage;
}

TCycleChartView* TCyclePage::ShownChart() const {
    return static_cast<TCycleChartView*>(plots_->currentWidget());
}

void TCyclePage::DriveChanged() {
    stale_ = true;
    if (isVisible()) {
        Recompute();
    }
}

void TCyclePage::Stepped() {
    if (stale_ || !mechanism_.Running) {
        return;
    }
    ++advances_;
    if (isVisible()) {
        ShowCurrentRow();
    }
}

int TCyclePage::CurrentRow() const {
    return CycleRowAt(cycle_, advances_);
}

void TCyclePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        Recompute();
    } else {
        ShowCurrentRow();
    }
}

void TCyclePage::Recompute() {
    model_->SetCycle(nullptr);
    cycle_ = ComputeCycle(mechanism_);
    axis_ = AxisValues(cycle_);
    stale_ = false;
    advances_ = 0;
    figures_ = FiguresOf(cycle_);
    chartDrawn_ = {};
    DrawShownChart();
    model_->SetCycle(&cycle_);
    // The table keeps the order the user chose.
    const QHeaderView* header = table_->horizontalHeader();
    if (header->sortIndicatorSection() != 0 || header->sortIndicatorOrder() != Qt::AscendingOrder) {
        model_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    }
    ShowFigures(figures_);
    stack_->setCurrentIndex(cycle_.Rows.empty() ? NotDrivenPage : CyclePage);
    ShowCurrentRow();
}

void TCyclePage::DrawShownChart() {
    const auto shown = static_cast<std::size_t>(plots_->currentIndex());
    if (!chartDrawn_[shown]) {
        charts_[shown]->SetCycle(cycle_, axis_, figures_);
        chartDrawn_[shown] = true;
    }
}

void TCyclePage::ShowFigures(const CycleFigures& figures) {
    laClosingMargin->setText(
        CycleText::Tr(CycleText::Centimetres).arg(RealToFixedText(figures.ClosingMargin)));
    laTransmission->setText(TransmissionText(figures));
    QStringList range;
    if (const std::optional<PlaneRange>& b = figures.RangeOfB) {
        range.push_back(RangeText(QStringLiteral("x"), b->MinFirst, b->MaxFirst));
        // As the read-outs show B: on the floor its second coordinate is zB, negated; on the
        // wall it is yB.
        range.push_back(mechanism_.Plane == MechanismPlane::Horizontal
                            ? RangeText(QStringLiteral("z"), -b->MaxSecond, -b->MinSecond)
                            : RangeText(QStringLiteral("y"), b->MinSecond, b->MaxSecond));
    }
    laRangeOfB->setText(range.join(QLatin1Char('\n')));
    const QString length = QString::number(figures.CycleLength);
    laCycleLength->setText(
        !cycle_.Closed ? CycleText::Tr(CycleText::NotClosed).arg(length)
        : cycle_.RepeatsFrom > 0
            ? CycleText::Tr(CycleText::RepeatsFrom).arg(length).arg(cycle_.RepeatsFrom)
            : length);
}

void TCyclePage::ShowCurrentRow() {
    int row = CurrentRow();
    // A drive that did not close within the step limit has run past the rows computed: the
    // cycle goes on from where the mechanism is now.
    if (row < 0 && !cycle_.Rows.empty()) {
        Recompute();
        return;
    }
    if (row < 0 || !isVisible()) {
        return;
    }
    ShownChart()->ShowRow(row);
    const QModelIndex index = model_->index(model_->TableRowOf(row), 0);
    // Left to itself, the view would keep a new current row in sight by scrolling a row at a
    // time at its edge: on every step, which repaints the rows and the scroll bar each time.
    table_->setAutoScroll(false);
    table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    table_->setAutoScroll(true);
    // The table scrolls only when the row has left the view, and then puts it in the middle, so
    // that a running mechanism moves the table every few dozen steps rather than on every one.
    const QRect place = table_->visualRect(index);
    if (place.top() < 0 || place.bottom() >= table_->viewport()->height()) {
        table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
}

bool TCyclePage::Save(const QString& path, const QByteArray& bytes) {
    if (const std::optional<FileWriteError> error =
            WriteFileAtomically(path, bytes, *writeSteps_)) {
        ShowMessageBox(window(), FileWriteErrorText(path, *error),
                       CycleText::Tr(CycleText::ErrorCaption), MsgIcon::Warning, MsgButtons::Ok);
        return false;
    }
    return true;
}

bool TCyclePage::SaveTable(const QString& path, CsvStyle style) {
    return Save(path, QByteArray::fromStdString(CycleCsv(cycle_, style)));
}

bool TCyclePage::SavePlot(const QString& path) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    return Save(path, ShownChart()->Picture(svg ? PictureFormat::Svg : PictureFormat::Png));
}

void TCyclePage::bbSaveTableClick() {
    int filter = 0;
    const QString path =
        AskSavePath(this, CycleText::Tr(CycleText::SaveTableTitle),
                    CycleText::Tr(CycleText::TableFile).arg(number_), CycleText::TableFilters(),
                    {QStringLiteral("csv"), QStringLiteral("csv")}, filter);
    if (!path.isEmpty()) {
        SaveTable(path, filter == 1 ? CsvStyle::Semicolon : CsvStyle::Comma);
    }
}

void TCyclePage::bbSavePlotClick() {
    int filter = 0;
    const QString path =
        AskSavePath(this, CycleText::Tr(CycleText::SavePlotTitle),
                    CycleText::Tr(CycleText::PlotFile).arg(number_), CycleText::PlotFilters(),
                    {QStringLiteral("png"), QStringLiteral("svg")}, filter);
    if (!path.isEmpty()) {
        SavePlot(path);
    }
}

} // namespace qor
