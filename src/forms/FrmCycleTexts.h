// The texts of the cycle window, kept together so that each can be handed to the translation
// system as it is.
#pragma once

#include <QString>
#include <QStringList>

namespace qor::CycleText {

inline const QString MenuItem = QStringLiteral("Графики цикла…");
inline const QString DockTitle = QStringLiteral("Цикл механизма");
inline const QString MechanismTab = QStringLiteral("Механизм %1");

inline const QString NotDriven =
    QStringLiteral("Ни одно звено механизма не вращается.\n\nОтметьте под «Вращать звено :» "
                   "звено 1 или 4 и выберите «+» или «-»: здесь появятся графики цикла, его "
                   "таблица и показатели.");

// The three plots: their tabs and the titles of their vertical axes.
inline const QString AnglesTab = QStringLiteral("Углы");
inline const QString PointBTab = QStringLiteral("Точка B");
inline const QString TransmissionTab = QStringLiteral("Угол передачи");
inline const QString DegreesAxis = QStringLiteral("градусы");
inline const QString CentimetresAxis = QStringLiteral("см");
// The horizontal axis: the step, or the driven angle.
inline const QString StepAxis = QStringLiteral("шаг");
inline const QString FiAxis = QStringLiteral("Fi, градусы");
inline const QString GammaAxis = QStringLiteral("Gamma, градусы");

// The names of the curves, in the order of CycleColumn, and the units of their values.
inline const QStringList CurveNames = {
    QStringLiteral("шаг"), QStringLiteral("Fi"),    QStringLiteral("Psi"),
    QStringLiteral("Ksi"), QStringLiteral("Gamma"), QStringLiteral("xB"),
    QStringLiteral("yB"),  QStringLiteral("zB"),    QStringLiteral("угол передачи"),
};
inline const QString DegreesUnit = QStringLiteral("°");
inline const QString CentimetresUnit = QStringLiteral(" см");
inline const QString TransmissionBand = QStringLiteral("40°–140°");
// The legend names only the marks: their values stand among the figures beside the plot.
inline const QString SmallestMark = QStringLiteral("мин.");
inline const QString LargestMark = QStringLiteral("макс.");

// The figures beside the plots.
inline const QString FiguresTitle = QStringLiteral("Показатели");
inline const QString ClosingMargin = QStringLiteral("Запас замыкания:");
inline const QString Transmission = QStringLiteral("Угол передачи:");
inline const QString RangeOfB = QStringLiteral("Область точки B:");
inline const QString CycleLength = QStringLiteral("Длина цикла, шагов:");
inline const QString Centimetres = QStringLiteral("%1 см");
inline const QString TransmissionRange = QStringLiteral("от %1° (шаг %2)\nдо %3° (шаг %4)");
inline const QString CoordinateRange = QStringLiteral("%1: от %2 до %3 см");
inline const QString RepeatsFrom = QStringLiteral("%1, повтор с шага %2");
inline const QString NotClosed = QStringLiteral("%1 — не замкнулся");

// What hovering a plot shows.
inline const QString HoverStep = QStringLiteral("шаг %1");
inline const QString HoverValue = QStringLiteral("%1 = %2%3");

// The table's column headers, in the order of CycleColumn.
inline const QStringList TableHeaders = {
    QStringLiteral("шаг"),    QStringLiteral("Fi, °"),    QStringLiteral("Psi, °"),
    QStringLiteral("Ksi, °"), QStringLiteral("Gamma, °"), QStringLiteral("xB, см"),
    QStringLiteral("yB, см"), QStringLiteral("zB, см"),   QStringLiteral("угол передачи, °"),
};

inline const QString SaveTable = QStringLiteral("Сохранить таблицу…");
inline const QString SavePlot = QStringLiteral("Сохранить график…");
inline const QString SaveTableTitle = QStringLiteral("Сохранить таблицу");
inline const QString SavePlotTitle = QStringLiteral("Сохранить график");
inline const QString TableFile = QStringLiteral("цикл_механизма_%1.csv");
inline const QString PlotFile = QStringLiteral("цикл_механизма_%1.png");
// The file types offered, in the order of CsvStyle and of PictureFormat.
inline const QStringList TableFilters = {
    QStringLiteral("Таблица CSV: поля через «,», десятичная точка (*.csv)"),
    QStringLiteral("Таблица CSV для электронных таблиц: поля через «;», десятичная запятая "
                   "(*.csv)"),
};
inline const QStringList PlotFilters = {
    QStringLiteral("Рисунок PNG (*.png)"),
    QStringLiteral("Рисунок SVG (*.svg)"),
};
inline const QString ErrorCaption = QStringLiteral("Ошибка !");

} // namespace qor::CycleText
