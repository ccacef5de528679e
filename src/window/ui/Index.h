// The main analysis window: the black drawing surface, the two result lists, the loadcase
// selector and the menu that reaches every other window of the beam analysis.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QMargins>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "foundation/ui/Binding.h"
#include "platform/Canvas.h"
#include "window/DrawingState.h"
#include "window/FileCommands.h"
#include "window/Index.h"
#include "window/ResultsSummary.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QToolButton;

namespace kx {

class QtCanvas;

// Image1: a picture the size of the client area that the drawings paint on and that stays as it
// was drawn until the next drawing.
class TIndexImage : public QWidget {
    Q_OBJECT
public:
    explicit TIndexImage(QWidget* parent = nullptr);
    QImage Picture;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// UpDown1: two arrow buttons that step a position between Min and Max (no wrap), put it into
// their companion edit and then report the click.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);
    int Min = 0, Max = 25, Position = 0;
    QToolButton* Up;
    QToolButton* Down;
    QLineEdit* Associate = nullptr;
    // A press of the upper (true) or lower arrow, as the buttons do it.
    void Click(bool up);

signals:
    void clicked();
};

class TIndexFrm : public QMainWindow, public FileCommandsHost {
    Q_OBJECT
public:
    explicit TIndexFrm(QWidget* parent = nullptr);
    ~TIndexFrm() override;

    TIndexImage* Image1;
    QListWidget* List_Results;
    QListWidget* List_CaseResults;
    TUpDown* UpDown1;
    QLineEdit* Edit_Case;
    QLabel* lbl_Case;
    QLabel* Label_Case;
    // The loadcase selector's texts.
    FormBindings<CaseSelection> Bindings;

    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* SetHeader1;
    QAction* Print1;
    QAction* ExitTrussolve1;
    QAction* Beam1;
    QAction* Loads1;
    QAction* Default1;
    QAction* Diagrams1;
    QAction* Results1;
    QAction* ShowSummary1;
    QAction* ShowLoadcaseResults1;
    QAction* Analyse2;
    QAction* Resultsatapoint1;
    QAction* MemberCapacities1;
    QAction* MemberCapacities2;
    QAction* Axialloadontube1;
    QAction* Windloading1;
    QAction* Units1;
    QAction* Disclaimer1;
    QAction* About1;

    // The rectangle filled black before every redraw: the client area.
    Rect ImageRect;

    // The windows its menu opens and what it asks of the input forms, handed over by whoever
    // makes the windows; a window not handed over is not opened.
    struct Links {
        QWidget* StartScreen = nullptr;
        QWidget* BeamForm = nullptr;
        QWidget* LoadForm = nullptr;
        QWidget* SetHeader = nullptr;
        QWidget* Print = nullptr;
        QWidget* Point = nullptr;
        QWidget* SteelCalculator = nullptr;
        QWidget* TimberCalculator = nullptr;
        QWidget* ScaffoldCalculator = nullptr;
        QWidget* WindCalculator = nullptr;
        QWidget* Preferences = nullptr;
        QWidget* Info = nullptr;
        QWidget* About = nullptr;
        std::function<void()> ResetInputForms;
        std::function<void()> RestoreInputForms;
        // Shows the effective-length form of a member row (0, a span, 26) at that member.
        std::function<void(int row)> AskForEffectiveLength;
        // The load form shows every load factor as 1.0, factored loads having been turned off.
        std::function<void()> ShowLoadFactorsReset;
    };
    Links Link;

    // Places the window on a screen area of this geometry: its frame at (1, 1), 2 pixels smaller
    // than the area each way, the lists and the picture laid out for the client area within.
    // Creation calls it with the primary screen's available area; once a window manager has
    // framed the window, it runs again for the frame's own size.
    void PlaceOnScreen(const QRect& screen);
    // What the drawings are given: outer width and height, height of List_CaseResults.
    DrawingFrame Frame() const;
    // The beam form calls this as it is shown: its changes are not yet committed to be saved.
    void DisableSaveItems();
    // After every user action: results that stopped standing (the job changed since they were
    // found) are taken off the window, which is then as without an analysis; results that stand
    // again (the job changed back) are shown again.
    void FollowResults();
    // Whether the window shows results found for the job.
    bool ShowsResults() const { return resultsShown_; }

    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void SetHeader1Click();
    void Print1Click();
    void ExitTrussolve1Click();
    void Beam1Click();
    void Loads1Click();
    void Default1Click();
    void Diagrams1Click();
    void Results1Click();
    void Analyse2Click();
    void Resultsatapoint1Click();
    void MemberCapacities1Click();
    void MemberCapacities2Click();
    void Axialloadontube1Click();
    void Windloading1Click();
    void Units1Click();
    void Disclaimer1Click();
    void About1Click();
    void UpDown1Click();
    void List_ResultsClick();
    void List_CaseResultsClick();

    // What the analysis and the file commands do to this window.
    void EmptyResultLists() override;
    void ShowCaseSelector() override;
    void ResetImageRect() override;
    void FillImageBlack() override;
    void EnableFileMenus() override;
    void SetCaseSelection(const std::string& label, const std::string& editText) override;
    void SetShownCase(int lc) override;
    void DrawLoads() override;
    void DrawBeam() override;
    void DrawDiagrams() override;
    void ShowCaseResults() override;
    void FillResultsList() override;
    void ShowEnvelopeResults() override;
    void EnableCaseSelector(int maxCase) override;
    void HideInputForms() override;
    void SetCaption(const std::string& caption) override;
    void DisableFileMenus() override;
    void ResetInputForms() override;
    void ClearResultLists() override;
    void TileDefault() override;
    void RestoreInputForms() override;
    void AskForInput(const AnalysisRefusal& refusal) override;
    void ShowLoadFactorsReset() override;
    void ShowJobReplaced() override;

protected:
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    enum class Tile { Default, Diagrams, Results };

    void FormCreate();
    void FormShow();
    QMenu* addMenu(const char* caption);
    QAction* addItem(QMenu* menu, const char* name, const char* caption, void (TIndexFrm::*handler)());
    IndexWindowSize windowSize() const;
    IndexLayout currentLayout() const;
    void placeLists(const IndexLayout& l);
    void placeSelector();
    // Makes Image1 and its canvas the size of the client area, black, and lays the lists out for
    // that size in the current layout.
    void fitToClientArea();
    void drawn();
    void showContent(QListWidget* list, const ResultListContent& content);
    // The loadcase the selector's box names.
    int typedCase() const;

    // The title bar and borders around the client area: none until a window manager frames it.
    QMargins frameBorders() const;
    // After the window system changed the window's size or frame: placed or fitted again, and
    // the current layout redrawn.
    void fitAgain();

    std::unique_ptr<QtCanvas> canvas_;
    Tile tile_ = Tile::Default;
    QRect screen_;           // the area PlaceOnScreen was given
    QMargins placedBorders_; // the frame it sized the window for
    bool resultsShown_ = false;
};

} // namespace kx
