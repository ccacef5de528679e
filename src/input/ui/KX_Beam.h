// The beam and section input window: spans, cantilevers, supports, couplers, the section and its
// code check, with the beam sketch and the member grid.
#pragma once

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QSpinBox>
#include <QWidget>
#include <functional>

#include "foundation/ui/Binding.h"
#include "foundation/ui/Picture.h"
#include "input/KX_Beam.h"

class QAction;
class QButtonGroup;
class QMenu;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace kx {

class TIndexFrm;
class TLoadDataFrm;
class TTimSectFrm;
class TCouplersFrm;
class TKX_GridFrm;
struct SectionFamilyRow;

// Edit_Spans with UpDown_Spans: a typed count outside the spinner's range is held to it.
class TSpanCountBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// List_Sect: reports a line chosen by the user, with the mouse or with the keys.
class TSectionList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void picked();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class TKX_BeamFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TKX_BeamFrm(QWidget* parent = nullptr);

    // The windows it opens and the main window it commits to, handed over by whoever makes the
    // windows; one not handed over is not opened.
    struct Links {
        TIndexFrm* Main = nullptr;
        TLoadDataFrm* Loads = nullptr;
        TTimSectFrm* TimberSection = nullptr;
        TCouplersFrm* Couplers = nullptr;
        TKX_GridFrm* UserSections = nullptr;
    };
    Links Link;

    TPicture* Image_Beam;
    QTableWidget* Grid_Spans;
    QGroupBox* GroupSpans;
    QCheckBox* Check_LHC;
    QCheckBox* Check_RHC;
    TSpanCountBox* Edit_Spans; // with its spinner UpDown_Spans
    QGroupBox* GroupSupportType;
    QRadioButton* Option_Vert_Fixed;
    QRadioButton* Option_Forkhead;
    QGroupBox* GroupEndSupport;
    QCheckBox* Check_LHF;
    QCheckBox* Check_RHF;
    QGroupBox* Frame_Couplers;
    QCheckBox* Check_LH_End_Sup;
    QRadioButton* Option_LH_Top;
    QRadioButton* Option_LH_Mid;
    QCheckBox* Check_Span_Sup;
    QRadioButton* Option_Span_Top;
    QRadioButton* Option_Span_Mid;
    QCheckBox* Check_RH_End_Sup;
    QRadioButton* Option_RH_Top;
    QRadioButton* Option_RH_Mid;
    QLineEdit* Edit_L;
    QLabel* Label_L_Std_Unit;
    QPushButton* Button1;
    QGroupBox* GroupSection;
    QLabel* lbl_S01_Ixx;
    QLabel* lbl_S01_E;
    QLabel* lbl_S01_Desc;
    QLabel* lbl_Ixx;
    QLabel* lbl_E;
    QGroupBox* Frame_Steel;
    QLabel* lbl_Group;
    QListWidget* List_Sect;
    QListWidget* List_Props;
    QGroupBox* Frame_Timber;
    QLineEdit* Edit_Timber_W;
    QLineEdit* Edit_Timber_H;
    QLabel* lbl_Wunit;
    QLabel* lbl_Hunit;
    QPushButton* cmd_OK;
    QListWidget* List_TimProps;
    QGroupBox* Frame_SteelCheck;
    QRadioButton* Option_None;
    QRadioButton* Option_Check;
    QGroupBox* Frame_Shear;
    QCheckBox* Check_GA;
    QLabel* lbl_GA;
    QLabel* Label_GA_Unit;
    TLabelClick* Label_Demo;
    QTableWidget* Grid_SpanData;
    QPushButton* cmdNext;
    QPushButton* cmdCancel;
    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel4;
    QAction* EditMiscellaneousSections1;

    // The menu "Section Properties Database" and its families.
    QMenu* SectionProperties1;
    QAction* Tube1;
    QMenu* HotRolledSections1;
    QMenu* Beams1;
    QAction *UniversalBeams1, *UniveralColumns1, *RSJ1, *IPE1, *HE1, *WShapeBeams1, *WShapeColumns1;
    QMenu* Channels1;
    QAction *RSC1, *PFC1, *UPN1, *CShape1;
    QMenu* Angles1;
    QAction *EqualRSA1, *UnequalRSA1, *EqualL1, *UnequalL1;
    QMenu* ClosedSections1;
    QAction *RHS1, *CHS1;
    QAction* Timber1;
    QAction* Miscellaneous1;

    // Which control feeds which field of the form's snapshot.
    FormBindings<BeamFormControls> Bindings;

    // New and Open.
    void ResetBeamForm();
    void ClearBeamSketch();
    void RestoreBeamForm();

    void FormShow();
    void cmdNextClick();
    void cmdCancelClick();
    void Check_LHCClick();
    void Check_RHCClick();
    void Check_LHFClick();
    void Check_RHFClick();
    void Option_Vert_FixedClick();
    void Option_ForkheadClick();
    void CouplerClick(); // the nine coupler boxes and options
    void Option_CheckClick();
    void UpDown_SpansClick();
    void Grid_SpansKeyUp();
    void Button1Click();
    void EditMiscellaneousSections1Click();
    void Label_DemoClick();

    // A section family's menu item.
    void SectionFamilyClick(const SectionFamilyRow& family);
    // The line of List_Sect that is current picked.
    void List_SectClick();
    // "Calculate E and Ixx": the timber size handed to the timber section form.
    void cmd_OKClick();
    // The user section editor saved "KX.sct".
    void UserSectionsSaved();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Runs one user action on the snapshot with the sketch at hand, then shows the result.
    void act(const std::function<void(BeamFormControls&, SketchPicture&)>& action);
    // Ends a click handler: the focus goes to "Next >" while the form is shown.
    void focusNext();
    // The timber section form closes with the choice it was opened for.
    void closeTimberSection();
    void drawSketch();

    QButtonGroup* kindGroup_;
    QButtonGroup* lhGroup_;
    QButtonGroup* spanGroup_;
    QButtonGroup* rhGroup_;
    QButtonGroup* checkGroup_;
};

} // namespace kx
