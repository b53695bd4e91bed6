// The texts of the cycle window, kept together: each is a source for the translation tools, and
// a list comes translated.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace qor::CycleText {

// The translation of one of these texts in the language shown.
inline QString Tr(const char* text) {
    return QCoreApplication::translate("qor::CycleText", text);
}

inline constexpr const char* MenuItem = QT_TRANSLATE_NOOP("qor::CycleText", "Графики цикла…");
inline constexpr const char* DockTitle = QT_TRANSLATE_NOOP("qor::CycleText", "Цикл механизма");
inline constexpr const char* MechanismTab = QT_TRANSLATE_NOOP("qor::CycleText", "Механизм %1");

inline constexpr const char* NotDriven = QT_TRANSLATE_NOOP(
    "qor::CycleText", "Ни одно звено механизма не вращается.\n\nОтметьте под «Вращать звено :» "
                      "звено 1 или 4 и выберите «+» или «-»: здесь появятся графики цикла, его "
                      "таблица и показатели.");

// The three plots: their tabs and the titles of their vertical axes.
inline constexpr const char* AnglesTab = QT_TRANSLATE_NOOP("qor::CycleText", "Углы");
inline constexpr const char* PointBTab = QT_TRANSLATE_NOOP("qor::CycleText", "Точка B");
inline constexpr const char* TransmissionTab = QT_TRANSLATE_NOOP("qor::CycleText", "Угол передачи");
inline constexpr const char* DegreesAxis = QT_TRANSLATE_NOOP("qor::CycleText", "градусы");
inline constexpr const char* CentimetresAxis = QT_TRANSLATE_NOOP("qor::CycleText", "см");
// The horizontal axis: the step, or the driven angle.
inline constexpr const char* StepAxis = QT_TRANSLATE_NOOP("qor::CycleText", "шаг");
inline constexpr const char* FiAxis = QT_TRANSLATE_NOOP("qor::CycleText", "Fi, градусы");
inline constexpr const char* GammaAxis = QT_TRANSLATE_NOOP("qor::CycleText", "Gamma, градусы");

// The names of the curves, in the order of CycleColumn, and the units of their values.
inline QStringList CurveNames() {
    return {
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "шаг")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Fi")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Psi")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Ksi")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Gamma")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "xB")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "yB")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "zB")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "угол передачи")),
    };
}
inline constexpr const char* DegreesUnit = QT_TRANSLATE_NOOP("qor::CycleText", "°");
inline constexpr const char* CentimetresUnit = QT_TRANSLATE_NOOP("qor::CycleText", " см");
inline constexpr const char* TransmissionBand = QT_TRANSLATE_NOOP("qor::CycleText", "40°–140°");
// The legend names only the marks: their values stand among the figures beside the plot.
inline constexpr const char* SmallestMark = QT_TRANSLATE_NOOP("qor::CycleText", "мин.");
inline constexpr const char* LargestMark = QT_TRANSLATE_NOOP("qor::CycleText", "макс.");

// The figures beside the plots.
inline constexpr const char* FiguresTitle = QT_TRANSLATE_NOOP("qor::CycleText", "Показатели");
inline constexpr const char* ClosingMargin =
    QT_TRANSLATE_NOOP("qor::CycleText", "Запас замыкания:");
inline constexpr const char* Transmission = QT_TRANSLATE_NOOP("qor::CycleText", "Угол передачи:");
inline constexpr const char* RangeOfB = QT_TRANSLATE_NOOP("qor::CycleText", "Область точки B:");
inline constexpr const char* CycleLength =
    QT_TRANSLATE_NOOP("qor::CycleText", "Длина цикла, шагов:");
inline constexpr const char* Centimetres = QT_TRANSLATE_NOOP("qor::CycleText", "%1 см");
inline constexpr const char* TransmissionRange =
    QT_TRANSLATE_NOOP("qor::CycleText", "от %1° (шаг %2)\nдо %3° (шаг %4)");
inline constexpr const char* CoordinateRange =
    QT_TRANSLATE_NOOP("qor::CycleText", "%1: от %2 до %3 см");
inline constexpr const char* RepeatsFrom =
    QT_TRANSLATE_NOOP("qor::CycleText", "%1, повтор с шага %2");
inline constexpr const char* NotClosed = QT_TRANSLATE_NOOP("qor::CycleText", "%1 — не замкнулся");

// What hovering a plot shows.
inline constexpr const char* HoverStep = QT_TRANSLATE_NOOP("qor::CycleText", "шаг %1");
inline constexpr const char* HoverValue = QT_TRANSLATE_NOOP("qor::CycleText", "%1 = %2%3");

// The table's column headers, in the order of CycleColumn.
inline QStringList TableHeaders() {
    return {
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "шаг")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Fi, °")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Psi, °")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Ksi, °")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Gamma, °")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "xB, см")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "yB, см")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "zB, см")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "угол передачи, °")),
    };
}

inline constexpr const char* SaveTable = QT_TRANSLATE_NOOP("qor::CycleText", "Сохранить таблицу…");
inline constexpr const char* SavePlot = QT_TRANSLATE_NOOP("qor::CycleText", "Сохранить график…");
inline constexpr const char* SaveTableTitle =
    QT_TRANSLATE_NOOP("qor::CycleText", "Сохранить таблицу");
inline constexpr const char* SavePlotTitle =
    QT_TRANSLATE_NOOP("qor::CycleText", "Сохранить график");
inline constexpr const char* TableFile =
    QT_TRANSLATE_NOOP("qor::CycleText", "цикл_механизма_%1.csv");
inline constexpr const char* PlotFile =
    QT_TRANSLATE_NOOP("qor::CycleText", "цикл_механизма_%1.png");
// The file types offered, in the order of CsvStyle and of PictureFormat.
inline QStringList TableFilters() {
    return {
        Tr(QT_TRANSLATE_NOOP("qor::CycleText",
                             "Таблица CSV: поля через «,», десятичная точка (*.csv)")),
        Tr(QT_TRANSLATE_NOOP(
            "qor::CycleText",
            "Таблица CSV для электронных таблиц: поля через «;», десятичная запятая "
            "(*.csv)")),
    };
}
inline QStringList PlotFilters() {
    return {
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Рисунок PNG (*.png)")),
        Tr(QT_TRANSLATE_NOOP("qor::CycleText", "Рисунок SVG (*.svg)")),
    };
}
inline constexpr const char* ErrorCaption = QT_TRANSLATE_NOOP("qor::CycleText", "Ошибка !");

} // namespace qor::CycleText
