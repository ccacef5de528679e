// The effective lengths of the spans.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "foundation/ui/Binding.h"
#include "input/LoadSketch.h"
#include "input/Span.h"
#include "input/ui/EffLengthUi.h"

class QButtonGroup;
class QGroupBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace kx {

class TPicture;

class TSpanFrm : public QWidget, public SpanFormPictures {
    Q_OBJECT
public:
    explicit TSpanFrm(QWidget* parent = nullptr);
    ~TSpanFrm() override;

    EffLengthLinks Link;

    TPicture* Image_Spans;
    QLabel* lbl_Length;
    QGroupBox* Frame_Span;
    QRadioButton* Option_Full;
    QRadioButton* Option_Partial;
    QRadioButton* Option_Not;
    QCheckBox* Check_12;
    QRadioButton* Option_Pos;
    QRadioButton* Option_Dead;
    QRadioButton* Option_Restrained;
    QRadioButton* Option_Edit;
    QRadioButton* Option_Int;
    QPushButton* cmdEdit;
    QPushButton* cmd_Part;
    QPushButton* cmd_All;
    QSpinBox* Edit_Span; // with its spinner UpDown_Span
    QLabel* lbl_L;
    QLabel* Label_1_Unit;
    QLabel* lbl_Lf;
    QLabel* lbl_Le;
    QLabel* Label_2_Unit;
    QPushButton* cmd_Back;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_Next;
    QGroupBox* Frame_Int;
    TPicture* Image_IntSpan;
    QLabel* lbl_Span;
    QLabel* lbl_SpanL;
    QTableWidget* Grid_Int;
    QGroupBox* GroupBox1;
    QRadioButton* Option_Blank;
    QRadioButton* Option_Equal;
    QRadioButton* Option_UnEqual;
    QSpinBox* Edit_No; // with its spinner UpDown_No
    QPushButton* cmd_OK;

    // Which control feeds which field of the form's snapshot.
    FormBindings<SpanControls> Bindings;

    // The beam sketch on Image_Spans, drawn by the load form's sketch routines.
    void ClearSpanSketch() override;
    void DrawSpanSketch() override;
    void HighlightCurrentSpan() override;
    Canvas& IntervalCanvas() override;
    int IntervalWidth() const override;
    int IntervalHeight() const override;

    // File New and File Open.
    void SpanClear();
    void SpanRestoreFromCommitted();

    void FormShow();
    void Option_Click(); // Full, Partial, Not, Pos, Dead, Restrained, Check_12
    void Option_IntOrEditClick();
    void cmdEditClick(); // and cmd_PartClick
    void UpDown_SpanClick();
    void cmd_AllClick();
    void SpacingClick(); // Option_Blank, Option_Equal, Option_UnEqual
    void UpDown_NoClick();
    void Grid_IntKeyUp();
    void cmd_OKClick();
    void cmd_NextClick();
    void cmd_BackClick();
    void cmd_CancelClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Runs one handler on the snapshot, then shows the result (also what it did before an error).
    void act(const std::function<void(SpanControls&)>& action);
    // One drawing on Image_Spans with lbl_Length as its caption.
    void sketch(const std::function<void(Canvas&, LengthCaption&)>& draw);

    // The caption under the sketch, on lbl_Length.
    FormBindings<LengthCaption> lengthCaption_;
    QButtonGroup* spanGroup_;
    QButtonGroup* spacingGroup_;
    std::unique_ptr<Canvas> intervalCanvas_;
};

} // namespace kx
