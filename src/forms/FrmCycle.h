// TCycleForm: the dock window "Цикл механизма" with one page per mechanism, each showing the cycle
// of the mechanism's drive as plots, figures and a table.
#pragma once

#include "kinematics/Mechanism.h"

#include <QDockWidget>

#include <array>

class QTabWidget;

namespace qor {

class TCyclePage;

class TCycleForm : public QDockWidget {
    Q_OBJECT

public:
    // The window over the two records that the main window keeps; they must outlive it.
    TCycleForm(const Mechanism& mechanism1, const Mechanism& mechanism2, QWidget* parent = nullptr);

    // The page of mechanism 1 or 2.
    TCyclePage* Page(int mechanism) const;
    QTabWidget* Tabs() const { return tabs_; }

    // The drive or the construction of mechanism 1 or 2 changed.
    void DriveChanged(int mechanism);
    // The running mechanisms have made one advance.
    void Stepped();

protected:
    // A change of language shows the title and the tabs in the new language; each page sees to
    // its own texts.
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QTabWidget* tabs_ = nullptr;
    std::array<TCyclePage*, 2> pages_{};
};

} // namespace qor
