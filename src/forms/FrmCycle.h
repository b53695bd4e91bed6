// TCycleForm: the dock window "Цикл механизма" with one page per mechanism, each showing the cycle
// of the mechanism's drive as plots, figures and a table. The pages are made when the window is
// first shown or asked for one, so that a start with the window closed does not pay for them.
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
    TCyclePage* Page(int mechanism);
    QTabWidget* Tabs() const { return tabs_; }

    // The drive or the construction of mechanism 1 or 2 changed.
    void DriveChanged(int mechanism);
    // The running mechanisms have made one advance.
    void Stepped();

    void setVisible(bool visible) override;

protected:
    // A change of language shows the title and the tabs in the new language; each page sees to
    // its own texts.
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void MakePages();

    const Mechanism& mechanism1_;
    const Mechanism& mechanism2_;
    QTabWidget* tabs_ = nullptr;
    std::array<TCyclePage*, 2> pages_{};
};

} // namespace qor
