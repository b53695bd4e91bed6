// TConstructionParamForm: the modal dialog in which the user enters the parameters of both
// mechanisms. It converts the entries, admits a mechanism only when it can close at every
// position, copies what it admits into the mechanism records and reports through the
// ParamsAccepted flag whether both were admitted.
#pragma once

#include "design/Design.h"
#include "forms/TranslatedTexts.h"
#include "kinematics/Mechanism.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QWidget;

namespace qor {

class TConstructionParamForm : public QDialog {
    Q_OBJECT

public:
    // The records and the flag belong to the caller and must outlive the dialog. The caller
    // clears ParamsAccepted before showing the dialog and reads it, with the records, afterwards.
    TConstructionParamForm(Mechanism& mechanism1, Mechanism& mechanism2, bool& ParamsAccepted,
                           QWidget* parent = nullptr);

    // The values of both mechanisms as the last OK converted them, in the dialog's units, with
    // no link driven: after an OK that set ParamsAccepted, what the records were made from.
    Design AcceptedDesign() const;

    // Fills the entries with a design's values, as a person would type them with the current
    // decimal separator, and presses OK without showing the dialog: the records, ParamsAccepted
    // and the messages are those of typing the values. The entries keep the texts, so the
    // dialog shows these values when it is next opened.
    void AcceptDesign(const Design& design);

protected:
    void showEvent(QShowEvent* event) override;
    // A change of language shows every text again in the new language.
    void changeEvent(QEvent* event) override;

private:
    // The entries of one mechanism; mechanism 2's object names carry the suffix "_2".
    struct Entries {
        QLineEdit* edA = nullptr;
        QLineEdit* edB = nullptr;
        QComboBox* L1Combo = nullptr;
        QComboBox* L2Combo = nullptr;
        QComboBox* L3Combo = nullptr;
        QComboBox* L4Combo = nullptr;
        QLineEdit* edVelocity1 = nullptr;
        QLineEdit* edVelocity4 = nullptr;
        QLineEdit* edfi0 = nullptr;
        QLineEdit* edgamma0 = nullptr;
    };

    QGroupBox* CreateGroup(int k, const char* title);
    QWidget* CreateWarningPanel();

    void bbOKClick();
    void bbCancelClick();
    void L2ComboChange(const QString& text);
    void L2_2ComboChange(const QString& text);

    static bool HasText(const QLineEdit* edit);
    bool Filled(int k) const;
    bool ReadMechanism(int k);
    bool AcceptMechanism(int k, bool filled);

    std::array<Mechanism*, 2> records_;
    bool& ParamsAccepted_;
    std::array<Entries, 2> entries_;
    void ShowValues(int k, const MechanismDesign& values);

    // The dialog's working copy of each mechanism's converted entries, in the dialog's units
    // (degrees): the records get them in radians when the mechanism is admitted.
    std::array<MechanismDesign, 2> values_;
    QPushButton* bbOK = nullptr;
    QPushButton* bbCancel = nullptr;
    TranslatedTexts texts_{"qor::TConstructionParamForm"};
};

} // namespace qor
