// The texts that cover the whole beam after an analysis: the results summary with its maxima,
// the results envelope, and what the two result lists of the main window show of them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ResultText.h"
#include "platform/Canvas.h"

namespace kx {

// Writes Txt.SummaryLines (compliance verdict, beam data, member lengths) and Txt.MaximaLines.
void BuildResultsSummary();

// Writes Txt.EnvelopeLines: per member, at 21 points, the largest shear and the largest positive
// and negative moments over all loadcases with the loadcase that gives each.
void BuildEnvelopeText();

// The lines of a result list, held as copies of the table lines they come from: a loadcase's list
// has a thousand lines, and a string of its own for each would cost an allocation per line. Read
// as the strings it holds (a line, the whole list as a vector, compared with one).
class ResultLines {
public:
    class const_iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        explicit const_iterator(const TResultLine* at) : at_(at) {}
        std::string_view operator*() const { return at_->view(); }
        const_iterator& operator++() {
            ++at_;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(at_++); }
        bool operator==(const const_iterator& o) const { return at_ == o.at_; }

    private:
        const TResultLine* at_ = nullptr;
    };
    using iterator = const_iterator;

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view view(std::size_t i) const { return lines_[i].view(); }
    std::string operator[](std::size_t i) const { return lines_[i].str(); }
    std::string front() const { return lines_.front().str(); }
    std::string back() const { return lines_.back().str(); }
    const_iterator begin() const { return const_iterator(lines_.data()); }
    const_iterator end() const { return const_iterator(lines_.data() + lines_.size()); }

    void reserve(std::size_t lines) { lines_.reserve(lines); }
    // Appends lines [first, first + count) of a table.
    void append(const TResultLine* first, std::size_t count) {
        lines_.insert(lines_.end(), first, first + count);
    }

    operator std::vector<std::string>() const { return {begin(), end()}; }
    friend bool operator==(const ResultLines& a, const std::vector<std::string>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::vector<TResultLine> lines_;
};

// What a result list shows: its lines, and its font colour (none: the colour stays as it was).
struct ResultListContent {
    ResultLines lines;
    std::optional<Color> colour;
};

// The results list: the summary, then the maxima; red when any loadcase fails its member check.
ResultListContent ResultsListContent();

// The case results list showing the envelope, in navy; empty on a forkhead beam, which has none.
ResultListContent EnvelopeListContent();

// The case results list showing loadcase c: its loads, its support lines (for "HRS" members with
// the loadcase's largest-stress line stored after them), its member check lines and its listing;
// red when the loadcase failed its check. Empty for 0, which shows no single loadcase.
ResultListContent CaseResultsListContent(int c);

} // namespace kx
