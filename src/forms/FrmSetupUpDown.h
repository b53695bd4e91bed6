// TUpDown: a pair of arrows with a position between a minimum and a maximum, no wrap. It
// reports a click, with its direction, only when the position changes, so at the minimum the
// down arrow and at the maximum the up arrow do nothing.
#pragma once

#include <QAbstractSpinBox>

namespace qor {

class TUpDown : public QAbstractSpinBox {
    Q_OBJECT

public:
    TUpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void Click(bool up);

protected:
    StepEnabled stepEnabled() const override;

private:
    int minimum_;
    int maximum_;
    int position_;
};

} // namespace qor
