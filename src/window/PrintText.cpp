// The text pages of the printed report, laid out on the page grid's rows.
#include "window/PrintText.h"

#include <cctype>
#include <functional>
#include <vector>

#include "engine/AnalysedJob.h"
#include "engine/ResultText.h"
#include "window/Pro_PrintHeader.h"

namespace kx {

namespace {

// The loads tables run to this row (summary, maxima and support lines to the page's last); the
// check texts start a member's block on a new page once they are past kCheckBlockRow.
constexpr int kBlockLastRow = 70;
constexpr int kCheckBlockRow = 66;
constexpr int kEnvelopeBreakRow = 55;
constexpr int kListingBreakRow = 50;

// Pages of text: the page header, a title on row 10 and Courier lines at the left margin.
class TextPages {
public:
    explicit TextPages(Printer& p) : p_(p), g_(PageGrid(p)) {}

    // The first page of a routine is the page already current.
    void Start(const std::string& title) {
        PrintHeader(p_);
        Canvas& c = p_.canvas();
        c.SetFontName("Arial");
        c.SetFontSize(12);
        if (!title.empty()) c.TextOut(g_.PrintMarginX, g_.PrintLineY[10], title);
        c.SetFontName("Courier");
        c.SetFontSize(10);
    }
    void Next(const std::string& title) {
        p_.NewPage();
        Start(title);
    }
    void Line(int row, const std::string& text) {
        p_.canvas().TextOut(g_.PrintMarginX, g_.PrintLineY[row], text);
    }

private:
    Printer& p_;
    PrintPageGrid g_;
};

template <class Table> std::string LineText(Table& t, int i) { return t[i].str(); }

// Lines from..to of a table on rows r, r + 1, ...; before a line that would stand past lastRow
// a new page with the title, and the table's headings repeated on rows 12 onwards when the line
// is past them.
template <class Table>
void PrintBlock(TextPages& pages, int& r, Table& t, int from, int to, const std::string& title,
                const std::vector<int>& headings = {}, int lastRow = kBlockLastRow) {
    for (int i = from; i <= to; ++i) {
        if (r > lastRow) {
            pages.Next(title);
            r = 12;
            const bool pastHeadings = headings.empty() || i > headings.back();
            if (pastHeadings)
                for (int h : headings)
                    pages.Line(r++, LineText(t, h));
        }
        pages.Line(r++, LineText(t, i));
    }
}

std::string EnvelopeTitle(int divisions) {
    if (divisions == 10) return "Results Envelope at 1/10th Span Intervals";
    if (divisions == 20) return "Results Envelope at 1/20th Span Intervals";
    return "";
}

// The envelope line of an odd point renumbered for the 1/10th interval: q in three characters,
// then the stored line from its fourth character.
std::string RenumberedLine(const std::string& line, int p) {
    const std::string q = std::to_string((p + 1) / 2);
    std::string out(q.size() < 3 ? 3 - q.size() : 0, ' ');
    out += q;
    if (line.size() > 3) out += line.substr(3);
    return out;
}

} // namespace

int PrintedPointNumber(const std::string& line) {
    std::string s = line.substr(0, 3);
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    std::size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    if (i == s.size()) return 0;
    for (std::size_t k = i; k < s.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(s[k]))) return 0;
    return std::stoi(s);
}

void PrintBeamLoadingData(Printer& p) {
    TextPages pages(p);
    const std::string more = "Beam & Loading Data";
    pages.Start("Beam & Loading Data + Results Summary");
    int r = 12;
    // The summary and maxima fill the page; only a summary too long for it goes on overleaf.
    PrintBlock(pages, r, Txt.SummaryLines, 2, LineCount(Txt.SummaryLines), more, {}, kPrintRows);
    PrintBlock(pages, r, Txt.MaximaLines, 1, LineCount(Txt.MaximaLines), more, {}, kPrintRows);
    PrintBlock(pages, r, Txt.LoadListLines, 1, LineCount(Txt.LoadListLines), more, {1, 2, 3});
    PrintBlock(pages, r, Txt.PointLoadListLines, 1, LineCount(Txt.PointLoadListLines), more, {2, 3, 4});
}

void PrintEnvelopeText(Printer& p) {
    TextPages pages(p);
    const int divisions = Model.EnvelopeDivisions;
    const std::string title = EnvelopeTitle(divisions);
    pages.Start(title);
    const int n = LineCount(Txt.EnvelopeLines);
    int r = 15;
    for (int i = 2; i <= n; ++i) {
        std::string line = Txt.EnvelopeLines[i].str();
        const int point = PrintedPointNumber(line);
        if (divisions == 10 && point != 0) {
            if (point % 2 == 0) continue;
            line = RenumberedLine(line, point);
        }
        if (r > kPrintRows) {
            pages.Next(title);
            r = 15;
        }
        pages.Line(r, line);
        // The blank second line and the first line after it share row 15.
        if (i != 2) ++r;
        if (point == 21 && r - 1 >= kEnvelopeBreakRow && i + 5 < n) {
            pages.Next(title);
            r = 15;
        }
    }
}

bool PrintsCaseResults(int32 shownCase) {
    return Model.LoadcaseCount >= 1 && (shownCase != 0 || ResultsStand());
}

void PrintCaseResults(Printer& p, int32 shownCase) {
    if (!PrintsCaseResults(shownCase)) return;
    TextPages pages(p);
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        const std::string more = "LoadCase " + std::to_string(lc);
        pages.Start("LOADCASE " + std::to_string(lc));
        int r = 14;
        auto& supports = Txt.CaseSupportLines[lc];
        PrintBlock(pages, r, supports, 1, LineCount(supports), more, {}, kPrintRows);
        ++r;
        if (Model.MemberType == "HRS") {
            pages.Line(r, Txt.CaseMaxStressLines[lc].str());
            r += 2;
        }
        if (r > 40) {
            pages.Next(more);
            r = 12;
        }

        // A member's block of a check text starts on a new page once the page is nearly full.
        auto checkText = [&](auto& table, bool gapAfter) {
            for (int i = 1, count = LineCount(table); i <= count; ++i) {
                const std::string line = table[i].str();
                if ((r > kCheckBlockRow && line.rfind(" SPAN ", 0) == 0) || r > kPrintRows) {
                    pages.Next(more);
                    r = 12;
                }
                pages.Line(r++, line);
            }
            if (gapAfter) ++r;
        };
        if (Model.MemberType == "Timber") checkText(Txt.TimberCheckLines[lc], true);
        if (Model.MemberType == "KXF" || Model.MemberType == "Scaffold")
            checkText(Txt.KxCheckLines[lc], true);
        if (Model.SteelSectionFlag == 1) checkText(Txt.SteelCheckLines[lc], false);

        pages.Next(more);
        auto& listing = Txt.CaseListing[lc];
        const int count = LineCount(listing);
        r = 12;
        for (int i = 1; i <= count; ++i) {
            const std::string line = listing[i].str();
            if (i == 1) {
                pages.Line(10, line);
                continue;
            }
            if (r > kPrintRows) {
                pages.Next(more);
                r = 12;
            }
            pages.Line(r++, line);
            if (PrintedPointNumber(line) == 21 && r - 1 >= kListingBreakRow && i + 5 < count) {
                pages.Next(more);
                r = 12;
            }
        }
        if (lc < Model.LoadcaseCount) p.NewPage();
    }
}

} // namespace kx
