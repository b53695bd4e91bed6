#include "forms/FrmSetupUpDown.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace qor {

TUpDown::TUpDown(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
    // Only the arrows: the position is no number the user needs to see.
    lineEdit()->setReadOnly(true);
    lineEdit()->hide();
    setFocusPolicy(Qt::StrongFocus);
}

void TUpDown::stepBy(int steps) {
    const int next = std::clamp(position_ + steps, minimum_, maximum_);
    if (next == position_) {
        return;
    }
    const bool up = next > position_;
    position_ = next;
    emit Click(up);
}

QSize TUpDown::sizeHint() const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const int arrows =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this).width();
    const int frame = 2 * style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, this);
    return {arrows + frame + 2, QAbstractSpinBox::sizeHint().height()};
}

QAbstractSpinBox::StepEnabled TUpDown::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (position_ < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (position_ > minimum_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

} // namespace qor
