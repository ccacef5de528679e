// The load input window: fifty load rows, the loadcase spinner, the self-weight and the sketch of
// the committed beam with the loads of the loadcase shown.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "foundation/ui/Binding.h"
#include "foundation/ui/Picture.h"
#include "input/KX_Beam.h"
#include "input/LoadData.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace kx {

class TIndexFrm;
class TKX_BeamFrm;
class TCantLHFrm;
class TSpanFrm;

// The windows the load form steps to, handed over by whoever makes the windows; a step to one
// not handed over goes nowhere.
struct LoadFormLinks {
    TIndexFrm* Main = nullptr;
    TKX_BeamFrm* Beam = nullptr;
    TCantLHFrm* CantLH = nullptr;
    TSpanFrm* Span = nullptr;
};

// The length caption under a sketch, on its label: its text, its top measured from the picture's
// top, and its showing.
template <class S>
void BindLengthCaption(FormBindings<S>& b, QLabel* label, const QWidget* picture,
                       typename FormBindings<S>::template Field<LengthCaption> caption) {
    const auto in = [caption](const S& s) -> LengthCaption& { return caption(const_cast<S&>(s)); };
    b.text(
        label, [in](S& s) -> std::string& { return in(s).Caption; }, "lbl_Length.Caption");
    b.custom({{label},
              "lbl_Length.Top",
              [=](S& s) { in(s).Top = label->y() - picture->y(); },
              [=](const S& s) { label->move(label->x(), picture->y() + in(s).Top); },
              [label] { label->move(label->x(), label->y() + 1); },
              [in](const S& x, const S& y) { return in(x).Top == in(y).Top; },
              [in](S& s) { ++in(s).Top; }});
    b.visible(
        label, [in](S& s) -> bool& { return in(s).Visible; }, "lbl_Length.Visible");
}

// The controls of one load row.
struct TLoadRow {
    QWidget* Panel = nullptr;
    QLineEdit* Edit_No = nullptr; // Edit_01 .. Edit_50
    QRadioButton* OptionP = nullptr;
    QRadioButton* OptionUDL = nullptr;
    QButtonGroup* Type = nullptr; // the two buttons exclude each other within the row only
    QLineEdit* Edit_PL = nullptr;
    QLineEdit* Edit_Dist = nullptr;
    QLineEdit* Edit_UDLS = nullptr;
    QLineEdit* Edit_UDLF = nullptr;
    QLineEdit* Edit_Cover = nullptr;
    QLineEdit* Edit_LF = nullptr;
    QCheckBox* Check = nullptr;
};

class TLoadDataFrm : public QWidget, public BeamCommitLoadForm {
    Q_OBJECT
public:
    explicit TLoadDataFrm(QWidget* parent = nullptr);
    ~TLoadDataFrm() override;

    LoadFormLinks Link;

    TPicture* Image_Beam; // the sketch, kept as drawn until the next drawing
    QLabel* lbl_Length;
    QLabel* Label_Help_01;
    QLabel* Label_Help_02;
    QLabel *Label_Point, *Label_Load, *lbl_PL;
    QLabel *Label_Distance, *LabelLHEnd, *Label_ofBeam, *lbl_PLdist;
    QLabel *Label_UDLS, *Label_StartRate, *lbl_UDLS;
    QLabel *Label_UDLF, *Label_FinishRate, *lbl_UDLF;
    QLabel *lbl_Covr, *lbl_Cover;
    QLabel *lbl_Load, *lbl_factor, *lbl_optional;
    QLabel* Label2;
    QSpinBox* Edit_Case; // with UpDown_Case: one spinner of loadcases 1..5
    QWidget* Panel_Cmds;
    QGroupBox* Frame_SWt;
    QCheckBox* Check_Swt;
    QLabel* lbl_Swt;
    QLabel* Label1;
    QLineEdit* Edit_LF;
    QPushButton* cmdBack;
    QPushButton* Button4; // "Expand"
    QPushButton* cmd_Clear;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_Next;
    QScrollArea* ScrollBox;
    QWidget* Content;

    // Row n, 1 to 50.
    const TLoadRow& Row(int n) const;

    // Which control feeds which field of the form's snapshot (no handler runs while it is shown).
    FormBindings<LoadFormControls> Bindings;

    // Handlers.
    void FormShow();
    void OptionClick(int n);
    void CheckClick(int n);
    void Check_SwtClick();
    void Edit_DblClick(int n);
    void UpDown_CaseClick();
    void Button4Click();
    void cmd_ClearClick();
    void cmd_CancelClick();
    void cmdBackClick();
    void cmd_NextClick();

    // File New's steps on this form, and File Open's.
    void ResetForNewBeam();
    void RestoreCommittedLoads();
    // The preferences changed the factored-loads setting.
    void FactoredLoadsChanged();

    // What the beam commit does to this form.
    void ShowFactorsReset() override;
    // Frame_SWt shown; or hidden with Check_Swt unticked through its handler.
    void ShowSelfWeightFrame(bool shown) override;
    void DrawLoadFormBeam() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Runs a step of the core on the controls and the picture; what it did shows on the form,
    // also when an error ends it.
    void act(const std::function<void(LoadFormControls&, LoadFormPicture&)>& step);
    void layOut();

    TLoadRow rows_[kLoadRows + 1];
    // The height the form is laid out for; the window shows as much of it as the screen allows,
    // and the rows scroll above the commands.
    int formHeight_ = 560;
};

// Where the wizard goes on after the loads are committed: the main window with its drawings and
// the analysis, or the effective-length forms.
void GoOnFromLoads(LoadRoute route, const LoadFormLinks& links);

} // namespace kx
