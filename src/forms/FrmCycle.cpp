#include "forms/FrmCycle.h"

#include "forms/FrmCyclePage.h"
#include "forms/FrmCycleTexts.h"
#include "forms/Widgets.h"

#include <QEvent>
#include <QTabWidget>

namespace qor {

TCycleForm::TCycleForm(const Mechanism& mechanism1, const Mechanism& mechanism2, QWidget* parent)
    : QDockWidget(parent), mechanism1_(mechanism1), mechanism2_(mechanism2) {
    setObjectName(QStringLiteral("CycleForm"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    tabs_ = Named(new QTabWidget, QStringLiteral("CycleTabs"));
    setWidget(tabs_);
    Retranslate();
}

void TCycleForm::setVisible(bool visible) {
    if (visible) {
        MakePages();
    }
    QDockWidget::setVisible(visible);
}

void TCycleForm::MakePages() {
    if (pages_[0] != nullptr) {
        return;
    }
    pages_ = {new TCyclePage(mechanism1_, 1), new TCyclePage(mechanism2_, 2)};
    for (TCyclePage* page : pages_) {
        tabs_->addTab(page, QString());
    }
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
    for (int index = 0; index < tabs_->count(); ++index) {
        tabs_->setTabText(index, CycleText::Tr(CycleText::MechanismTab).arg(index + 1));
    }
}

TCyclePage* TCycleForm::Page(int mechanism) {
    MakePages();
    return pages_[static_cast<std::size_t>(mechanism - 1)];
}

void TCycleForm::DriveChanged(int mechanism) {
    // Pages not made yet compute their cycle when they are.
    if (pages_[0] != nullptr) {
        Page(mechanism)->DriveChanged();
    }
}

void TCycleForm::Stepped() {
    if (pages_[0] == nullptr) {
        return;
    }
    for (TCyclePage* page : pages_) {
        page->Stepped();
    }
}

} // namespace qor
