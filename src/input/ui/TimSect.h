// The timber section window.
#pragma once

#include <QWidget>
#include <string>

namespace kx {

class TTimSectFrm : public QWidget {
    Q_OBJECT
public:
    explicit TTimSectFrm(QWidget* parent = nullptr);

    // The beam form's restore of a timber beam: the options, sizes and grade from the committed
    // timber choice, then the results worked out again.
    void TimSectRestoreFromCommitted();
    // The beam form's Cancel: the options of the committed choice shown again.
    void TimSectShowStoredOptions();
    // The beam form's "Calculate E and Ixx": the timber size (mm texts) into lbl_Width and
    // lbl_Depth, then the options of the working choice shown.
    void SetTimberSizeLabels(const std::string& width, const std::string& depth);
    void TimSectShowCurrentOptions();
};

} // namespace kx
