#include "forms/FrmCycle.h"

#include "forms/FrmCyclePage.h"
#include "forms/FrmCycleTexts.h"
#include "forms/Widgets.h"

#include <QTabWidget>

namespace qor {

TCycleForm::TCycleForm(const Mechanism& mechanism1, const Mechanism& mechanism2, QWidget* parent)
    : QDockWidget(CycleText::DockTitle, parent) {
    setObjectName(QStringLiteral("CycleForm"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    tabs_ = Named(new QTabWidget, QStringLiteral("CycleTabs"));
    pages_ = {new TCyclePage(mechanism1, 1), new TCyclePage(mechanism2, 2)};
    for (int number = 1; number <= 2; ++number) {
        tabs_->addTab(Page(number), CycleText::MechanismTab.arg(number));
    }
    setWidget(tabs_);
}

TCyclePage* TCycleForm::Page(int mechanism) const {
    return pages_[static_cast<std::size_t>(mechanism - 1)];
}

void TCycleForm::DriveChanged(int mechanism) {
    Page(mechanism)->DriveChanged();
}

void TCycleForm::Stepped() {
    for (TCyclePage* page : pages_) {
        page->Stepped();
    }
}

} // namespace qor
