// The main analysis window.
#include "window/ui/Index.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "engine/AnalysedJob.h"
#include "foundation/SharedModel.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Windows.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"
#include "sections/SectionWriters.h"
#include "window/BeamAndLoadSketch.h"
#include "window/ScreenDiagrams.h"
#include "window/ui/Print.h"

namespace kx {

namespace {

QColor qc(Color c) { return QColor(c.r, c.g, c.b); }

void setColours(QWidget* w, QPalette::ColorRole background, const QColor& bg, QPalette::ColorRole text,
                const QColor& fg) {
    QPalette p = w->palette();
    p.setColor(background, bg);
    p.setColor(text, fg);
    w->setPalette(p);
}

// Every row of a result list 16 pixels high, whatever the font.
class SixteenPixelRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(16);
        return s;
    }
};

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(10);
    l->setFont(f);
    l->setItemDelegate(new SixteenPixelRows(l));
    l->setUniformItemSizes(true);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setAutoFillBackground(true);
    setColours(l, QPalette::Base, Qt::white, QPalette::Text, Qt::black);
    return l;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(ToQt(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    setColours(l, QPalette::Window, Qt::black, QPalette::WindowText, Qt::white);
    return l;
}

// The windows shown modally: they return when they close.
void ShowModal(QWidget* w) {
    if (!w) return;
    if (auto* d = qobject_cast<QDialog*>(w)) {
        d->exec();
        return;
    }
    w->setWindowModality(Qt::ApplicationModal);
    ShowForm(w);
}

void ShowIfMade(QWidget* w) {
    if (w) ShowForm(w);
}

} // namespace

TIndexImage::TIndexImage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TIndexImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, Picture);
}

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("UpDown1"));
    Up = new QToolButton(this);
    Up->setObjectName(QStringLiteral("Up"));
    Up->setArrowType(Qt::UpArrow);
    Down = new QToolButton(this);
    Down->setObjectName(QStringLiteral("Down"));
    Down->setArrowType(Qt::DownArrow);
    Up->setAccessibleName(QStringLiteral("Next loadcase"));
    Down->setAccessibleName(QStringLiteral("Previous loadcase"));
    // The main window's white text would draw the arrows white on the light buttons: they take
    // the system's text colours, as the menu bar does.
    const QPalette system = QApplication::palette(Up);
    for (QToolButton* b : {Up, Down}) {
        QPalette p = b->palette();
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::ButtonText})
                p.setColor(g, r, system.color(g, r));
        b->setPalette(p);
    }
    Up->setGeometry(0, 0, 20, 18);
    Down->setGeometry(0, 18, 20, 18);
    resize(20, 36);
    connect(Up, &QToolButton::clicked, this, [this] { Click(true); });
    connect(Down, &QToolButton::clicked, this, [this] { Click(false); });
}

void TUpDown::Click(bool up) {
    int p = Position + (up ? 1 : -1);
    if (p > Max) p = Max;
    if (p < Min) p = Min;
    Position = p;
    if (Associate) Associate->setText(QString::number(Position));
    emit clicked();
}

TIndexFrm::TIndexFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "IndexFrm", kAppTitle);
    // A single fixed border with the system menu only.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setColours(this, QPalette::Window, Qt::black, QPalette::WindowText, Qt::white);
    setAutoFillBackground(true);

    Image1 = new TIndexImage(this);
    setCentralWidget(Image1);
    canvas_ = std::make_unique<QtCanvas>(&Image1->Picture);

    List_Results = makeList(Image1, "List_Results");
    List_CaseResults = makeList(Image1, "List_CaseResults");
    List_Results->viewport()->installEventFilter(this);
    List_CaseResults->viewport()->installEventFilter(this);
    Image1->installEventFilter(this);

    Label_Case = makeLabel(Image1, "Label_Case", "Loadcase.");
    QFont narrow(QStringLiteral("Arial Narrow"));
    narrow.setPointSize(8);
    Label_Case->setFont(narrow);
    lbl_Case = makeLabel(Image1, "lbl_Case", "1");
    Edit_Case = new QLineEdit(QStringLiteral("0"), Image1);
    Edit_Case->setObjectName(QStringLiteral("Edit_Case"));
    Edit_Case->hide();
    UpDown1 = new TUpDown(Image1);
    UpDown1->Associate = Edit_Case;
    connect(UpDown1, &TUpDown::clicked, this, &TIndexFrm::UpDown1Click);
    Caption(Label_Case, Edit_Case);
    KX_BIND(Bindings, text, Edit_Case);
    KX_BIND(Bindings, text, lbl_Case);
    for (QWidget* w :
         {static_cast<QWidget*>(Label_Case), static_cast<QWidget*>(lbl_Case), static_cast<QWidget*>(UpDown1)})
        w->hide();

    QMenu* file = addMenu("File");
    New1 = addItem(file, "New1", "New", &TIndexFrm::New1Click);
    Open1 = addItem(file, "Open1", "Open", &TIndexFrm::Open1Click);
    file->addSeparator();
    Save1 = addItem(file, "Save1", "Save", &TIndexFrm::Save1Click);
    SaveAs1 = addItem(file, "SaveAs1", "Save As", &TIndexFrm::SaveAs1Click);
    file->addSeparator();
    SetHeader1 = addItem(file, "SetHeader1", "Set Header", &TIndexFrm::SetHeader1Click);
    Print1 = addItem(file, "Print1", "Print", &TIndexFrm::Print1Click);
    file->addSeparator();
    ExitTrussolve1 = addItem(file, "ExitTrussolve1", "Exit KX-Flexor", &TIndexFrm::ExitTrussolve1Click);
    QMenu* input = addMenu("Input");
    Beam1 = addItem(input, "Beam1", "Beam", &TIndexFrm::Beam1Click);
    Loads1 = addItem(input, "Loads1", "Loads", &TIndexFrm::Loads1Click);
    QMenu* tile = addMenu("Tile");
    Default1 = addItem(tile, "Default1", "Default", &TIndexFrm::Default1Click);
    Diagrams1 = addItem(tile, "Diagrams1", "Diagrams", &TIndexFrm::Diagrams1Click);
    Results1 = addItem(tile, "Results1", "Results", &TIndexFrm::Results1Click);
    tile->addSeparator();
    ShowSummary1 = addItem(tile, "ShowSummary1", "Show Results Summary", nullptr);
    ShowLoadcaseResults1 = addItem(tile, "ShowLoadcaseResults1", "Show Loadcase Results ", nullptr);
    QMenu* analyse = addMenu("Analyse");
    Analyse2 = addItem(analyse, "Analyse2", "Analyse", &TIndexFrm::Analyse2Click);
    Resultsatapoint1 =
        addItem(analyse, "Resultsatapoint1", "Results at a point", &TIndexFrm::Resultsatapoint1Click);
    QMenu* steel = addMenu("Steel");
    MemberCapacities1 = addItem(steel, "MemberCapacities1", "Member Capacities to BS 5975",
                                &TIndexFrm::MemberCapacities1Click);
    QMenu* timber = addMenu("Timber");
    MemberCapacities2 =
        addItem(timber, "MemberCapacities2", "Member Capacities", &TIndexFrm::MemberCapacities2Click);
    QMenu* scaffold = addMenu("Scaffold ");
    Axialloadontube1 =
        addItem(scaffold, "Axialloadontube1", "Axial load on steel tube", &TIndexFrm::Axialloadontube1Click);
    Windloading1 = addItem(scaffold, "Windloading1", "Wind loading", &TIndexFrm::Windloading1Click);
    QMenu* settings = addMenu("Settings");
    Units1 = addItem(settings, "Units1", "Preferences", &TIndexFrm::Units1Click);
    QMenu* info = addMenu("Info");
    Disclaimer1 = addItem(info, "Disclaimer1", "General", &TIndexFrm::Disclaimer1Click);
    About1 = addItem(info, "About1", "About", &TIndexFrm::About1Click);
    // The window's black background is the picture's, not the menu bar's: the menus keep the
    // system's colours, so their captions stay readable.
    const QPalette system = QApplication::palette(menuBar());
    setColours(menuBar(), QPalette::Window, system.color(QPalette::Window), QPalette::WindowText,
               system.color(QPalette::WindowText));
    menuBar()->setAutoFillBackground(true);
    DisableFileMenus();

    FormCreate();
}

TIndexFrm::~TIndexFrm() = default;

QMenu* TIndexFrm::addMenu(const char* caption) { return menuBar()->addMenu(ToQt(caption)); }

QAction* TIndexFrm::addItem(QMenu* menu, const char* name, const char* caption,
                            void (TIndexFrm::*handler)()) {
    QAction* a = menu->addAction(ToQt(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (handler) connect(a, &QAction::triggered, this, handler);
    return a;
}

void TIndexFrm::FormCreate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    PlaceOnScreen(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
}

QMargins TIndexFrm::frameBorders() const {
    const QRect frame = frameGeometry(), client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void TIndexFrm::PlaceOnScreen(const QRect& screen) {
    screen_ = screen;
    placedBorders_ = frameBorders();
    setFixedSize(screen.width() - 2 - placedBorders_.left() - placedBorders_.right(),
                 screen.height() - 2 - placedBorders_.top() - placedBorders_.bottom());
    move(screen.x() + 1, screen.y() + 1); // a window's position is its frame's
    // The client area under the menu bar is known only once the window's layout has run, which
    // a hidden window does not do by itself; a shown one keeps its menu bar above the picture.
    if (layout()) {
        layout()->invalidate();
        layout()->activate();
    }
    fitToClientArea();
}

IndexWindowSize TIndexFrm::windowSize() const {
    const QRect outer = frameGeometry();
    return {outer.width(), outer.height(), Image1->width(), Image1->height()};
}

DrawingFrame TIndexFrm::Frame() const {
    const QRect outer = frameGeometry();
    return {outer.width(), outer.height(), List_CaseResults->height()};
}

IndexLayout TIndexFrm::currentLayout() const {
    auto place = [](const QWidget* w) { return ListPlace{w->x(), w->y(), w->width(), w->height()}; };
    return {place(List_Results), place(List_CaseResults)};
}

void TIndexFrm::placeLists(const IndexLayout& l) {
    List_Results->setGeometry(l.Results.left, l.Results.top, l.Results.width, l.Results.height);
    List_CaseResults->setGeometry(l.CaseResults.left, l.CaseResults.top, l.CaseResults.width,
                                  l.CaseResults.height);
}

// The selector stands in the top right corner, which the drawings leave empty.
void TIndexFrm::placeSelector() {
    const int right = Image1->width();
    Label_Case->setGeometry(right - 58, 2, 56, 16);
    lbl_Case->setGeometry(right - 58, 22, 28, 16);
    UpDown1->move(right - 26, 16);
}

void TIndexFrm::fitToClientArea() {
    const IndexWindowSize s = windowSize();
    Image1->Picture = MakeScreenImage(std::max(1, s.clientWidth), std::max(1, s.clientHeight));
    canvas_->Restart(&Image1->Picture);
    ResetImageRect();
    FillImageBlack();
    IndexLayout l = CreationLayout(s);
    if (tile_ == Tile::Diagrams) l = DiagramsLayout(l);
    if (tile_ == Tile::Results) l = ResultsLayout(l, s);
    placeLists(l);
    placeSelector();
}

void TIndexFrm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // A window restored by the window system is not shown again by the program.
    if (!e->spontaneous()) FormShow();
}

void TIndexFrm::FormShow() {
    // A section file that cannot be written is reported; the others are written all the same,
    // and the input windows still follow later changes of units.
    Guard([] { WriteAllSectionFiles(); });
    Model.BeamFormShown = 1;
}

void TIndexFrm::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    // A window manager frames the window once it is shown: then the frame is made to fit.
    if (frameBorders() != placedBorders_) fitAgain();
}

void TIndexFrm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // The window manager or a new screen gave the window another size or frame: a new picture,
    // the lists laid out again, and the current layout redrawn.
    if (Image1->size() != Image1->Picture.size() || frameBorders() != placedBorders_) fitAgain();
}

void TIndexFrm::fitAgain() {
    Guard([this] {
        if (frameBorders() != placedBorders_)
            PlaceOnScreen(screen_);
        else
            fitToClientArea();
        switch (tile_) {
        case Tile::Default: TileDefault(); break;
        case Tile::Diagrams: Diagrams1Click(); break;
        case Tile::Results: Results1Click(); break;
        }
    });
}

bool TIndexFrm::eventFilter(QObject* watched, QEvent* e) {
    // The client area can change after the window's own resize, as the menu bar is laid out.
    if (watched == Image1 && e->type() == QEvent::Resize && Image1->size() != Image1->Picture.size())
        fitAgain();
    if (e->type() == QEvent::MouseButtonRelease) {
        if (watched == List_Results->viewport()) List_ResultsClick();
        if (watched == List_CaseResults->viewport()) List_CaseResultsClick();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TIndexFrm::DisableSaveItems() {
    Save1->setEnabled(false);
    SaveAs1->setEnabled(false);
}

void TIndexFrm::FollowResults() {
    if (resultsShown_ && ResultsOfAnotherJob()) {
        ResetImageRect();
        FillImageBlack();
        ClearResultLists();
        DisableFileMenus();
        return;
    }
    if (resultsShown_ || !ResultsStand()) return;
    ResetImageRect();
    FillImageBlack();
    EmptyResultLists();
    ShowStoredResults(*this);
    EnableCaseSelector(Model.LoadcaseCount);
    EnableFileMenus();
}

// ---- Menu

void TIndexFrm::New1Click() {
    Guard([this] {
        NewBeam(*this);
        ShowIfMade(Link.BeamForm);
    });
}

void TIndexFrm::Open1Click() {
    Guard([this] { OpenBeamFileCommand(*this); });
}

void TIndexFrm::Save1Click() {
    Guard([this] { SaveBeamFile(*this); });
}

void TIndexFrm::SaveAs1Click() {
    Guard([this] { SaveBeamFileAs(*this); });
}

void TIndexFrm::SetHeader1Click() {
    Guard([this] { ShowModal(Link.SetHeader); });
}

void TIndexFrm::Print1Click() {
    Guard([this] { ShowIfMade(Link.Print); });
}

void TIndexFrm::ExitTrussolve1Click() {
    Guard([this] {
        if (Link.StartScreen) Link.StartScreen->close();
    });
}

void TIndexFrm::Beam1Click() {
    Guard([this] { ShowIfMade(Link.BeamForm); });
}

void TIndexFrm::Loads1Click() {
    Guard([this] {
        if (Model.BeamLength == 0) {
            dlg().Message("Specify beam data first");
            return;
        }
        ShowIfMade(Link.LoadForm);
    });
}

void TIndexFrm::Default1Click() {
    Guard([this] {
        Drawing.DiagramMode = 0;
        TileDefault();
    });
}

void TIndexFrm::Diagrams1Click() {
    Guard([this] {
        tile_ = Tile::Diagrams;
        SetShownCase(typedCase());
        placeLists(DiagramsLayout(currentLayout()));
        Drawing.DiagramMode = 0;
        RedrawSurface(*this);
        DiagramPass(*this);
    });
}

void TIndexFrm::Results1Click() {
    Guard([this] {
        tile_ = Tile::Results;
        SetShownCase(typedCase());
        placeLists(ResultsLayout(currentLayout(), windowSize()));
        Drawing.DiagramMode = 1;
        RedrawSurface(*this);
    });
}

void TIndexFrm::Analyse2Click() {
    Guard([this] { RunAnalysis(*this); });
}

void TIndexFrm::Resultsatapoint1Click() {
    Guard([this] { ShowModal(Link.Point); });
}

void TIndexFrm::MemberCapacities1Click() {
    Guard([this] { ShowIfMade(Link.SteelCalculator); });
}

void TIndexFrm::MemberCapacities2Click() {
    Guard([this] { ShowIfMade(Link.TimberCalculator); });
}

void TIndexFrm::Axialloadontube1Click() {
    Guard([this] { ShowIfMade(Link.ScaffoldCalculator); });
}

void TIndexFrm::Windloading1Click() {
    Guard([this] { ShowIfMade(Link.WindCalculator); });
}

void TIndexFrm::Units1Click() {
    Guard([this] { ShowIfMade(Link.Preferences); });
}

void TIndexFrm::Disclaimer1Click() {
    Guard([this] { ShowIfMade(Link.Info); });
}

void TIndexFrm::About1Click() {
    Guard([this] { ShowModal(Link.About); });
}

// ---- Selector and lists

void TIndexFrm::UpDown1Click() {
    Guard([this] {
        BusyCursor busy;
        const FrontList front = SelectLoadcase(*this, Bindings.Read().Edit_Case);
        (front == FrontList::CaseResults ? List_CaseResults : List_Results)->raise();
    });
}

void TIndexFrm::List_ResultsClick() { List_Results->raise(); }

void TIndexFrm::List_CaseResultsClick() { List_CaseResults->raise(); }

void TIndexFrm::showContent(QListWidget* list, const ResultListContent& content) {
    if (content.colour) setColours(list, QPalette::Base, Qt::white, QPalette::Text, qc(*content.colour));
    FillList(list, content.lines);
}

// ---- What the analysis and the file commands do to the window

void TIndexFrm::EmptyResultLists() {
    resultsShown_ = false;
    List_Results->clear();
    List_CaseResults->clear();
}

void TIndexFrm::ShowCaseSelector() {
    Label_Case->show();
    lbl_Case->show();
    UpDown1->show();
}

void TIndexFrm::ResetImageRect() { ImageRect = {0, 0, Image1->width(), Image1->height()}; }

void TIndexFrm::FillImageBlack() {
    canvas_->SetBrushColor(colors::Black);
    canvas_->FillRect(ImageRect);
    drawn();
}

void TIndexFrm::EnableFileMenus() {
    for (QAction* a : {Save1, SaveAs1, Print1})
        a->setEnabled(true);
}

void TIndexFrm::SetCaseSelection(const std::string& label, const std::string& editText) {
    Bindings.Show({editText, label});
}

void TIndexFrm::SetShownCase(int lc) { Drawing.ShownCase = lc; }

int TIndexFrm::typedCase() const { return CaseFromEditText(Bindings.Read().Edit_Case); }

void TIndexFrm::drawn() {
    canvas_->End();
    Image1->update();
}

void TIndexFrm::DrawLoads() {
    kx::DrawLoads(*canvas_, Frame());
    drawn();
}

void TIndexFrm::DrawBeam() {
    kx::DrawBeam(*canvas_, Frame());
    drawn();
}

void TIndexFrm::DrawDiagrams() {
    kx::DrawDiagrams(*canvas_, Frame());
    drawn();
}

void TIndexFrm::ShowCaseResults() {
    showContent(List_CaseResults, CaseResultsListContent(Drawing.ShownCase));
}

void TIndexFrm::FillResultsList() { showContent(List_Results, ResultsListContent()); }

void TIndexFrm::ShowEnvelopeResults() { showContent(List_CaseResults, EnvelopeListContent()); }

void TIndexFrm::EnableCaseSelector(int maxCase) {
    UpDown1->Max = maxCase;
    UpDown1->Position = 0;
    UpDown1->setEnabled(true);
    resultsShown_ = true;
}

void TIndexFrm::HideInputForms() {
    for (QWidget* w : {Link.BeamForm, Link.LoadForm})
        if (w) w->hide();
}

// The caption is the beam file's path, which the file dialogs give in the system's encoding.
void TIndexFrm::SetCaption(const std::string& caption) { setWindowTitle(QString::fromLocal8Bit(caption)); }

void TIndexFrm::DisableFileMenus() {
    for (QAction* a : {Save1, SaveAs1, Print1})
        a->setEnabled(false);
}

void TIndexFrm::ResetInputForms() {
    if (Link.ResetInputForms) Link.ResetInputForms();
}

void TIndexFrm::ClearResultLists() {
    for (QListWidget* l : {List_Results, List_CaseResults}) {
        l->clear();
        setColours(l, QPalette::Base, Qt::white, QPalette::Text, Qt::black);
    }
    UpDown1->setEnabled(false);
    resultsShown_ = false;
}

void TIndexFrm::TileDefault() {
    tile_ = Tile::Default;
    SetShownCase(typedCase());
    List_Results->show();
    List_CaseResults->show();
    placeLists(DefaultLayout(currentLayout(), windowSize()));
    RedrawSurface(*this);
    DiagramPass(*this);
}

void TIndexFrm::RestoreInputForms() {
    if (Link.RestoreInputForms) Link.RestoreInputForms();
}

void TIndexFrm::AskForInput(const AnalysisRefusal& refusal) {
    if (refusal.form == AnalysisRefusal::Form::Beam)
        ShowIfMade(Link.BeamForm);
    else if (refusal.form == AnalysisRefusal::Form::Loads)
        ShowIfMade(Link.LoadForm);
    else if (refusal.form == AnalysisRefusal::Form::EffLength && Link.AskForEffectiveLength)
        Link.AskForEffectiveLength(refusal.row);
}

void TIndexFrm::ShowLoadFactorsReset() {
    if (Link.ShowLoadFactorsReset) Link.ShowLoadFactorsReset();
}

void TIndexFrm::ShowJobReplaced() {
    if (auto* print = qobject_cast<TPrintFrm*>(Link.Print)) print->ShowHeaderTexts();
    if (auto* preferences = qobject_cast<TPreferencesFrm*>(Link.Preferences)) preferences->UnitsToRadios();
}

} // namespace kx
