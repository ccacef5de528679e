// The load input window.
#pragma once

#include <QWidget>

#include "input/KX_Beam.h"

namespace kx {

class TLoadDataFrm : public QWidget, public BeamCommitLoadForm {
    Q_OBJECT
public:
    explicit TLoadDataFrm(QWidget* parent = nullptr);

    // What the beam commit does to this window; the load window's own controls carry it out.
    void SetSelfWeightFactorText(const std::string& text) override;
    void ShowSelfWeightFrame(bool shown) override;
    void DrawLoadFormBeam() override;
};

} // namespace kx
