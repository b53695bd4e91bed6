#include "forms/FrmCycle.h"

#include "forms/FrmCyclePage.h"
#include "forms/FrmCycleTexts.h"
#include "forms/Widgets.h"

#include <QEvent>
#include <QTabWidget>

namespace qor {

TCycleForm::TCycleForm(const Mechanism& mechanism1, const Mechanism& mechanism2, QWidget* parent)
    : QDockWidget(parent) {
    setObjectName(QStringLiteral("CycleForm"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    tabs_ = Named(new QTabWidget, QStringLiteral("CycleTabs"));
    pages_ = {new TCyclePage(mechanism1, 1), new TCyclePage(mechanism2, 2)};
    for (int number = 1; number <= 2; ++number) {
        tabs_->addTab(Page(number), QString());
    }
    setWidget(tabs_);
    Retranslate();
}

void TCycleForm::changeEvent(QEvent* event) {
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
}

void TCycleForm::Retranslate() {
    setWindowTitle(CycleText::Tr(CycleText::DockTitle));
    for (int number = 1; number <= 2; ++number) {
        tabs_->setTabText(number - 1, CycleText::Tr(CycleText::MechanismTab).arg(number));
    }
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
