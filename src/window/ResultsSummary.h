// The texts that cover the whole beam after an analysis: the results summary with its maxima,
// the results envelope, and what the two result lists of the main window show of them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace kx {

// Writes Txt.SummaryLines (compliance verdict, beam data, member lengths) and Txt.MaximaLines.
void BuildResultsSummary();

// Writes Txt.EnvelopeLines: per member, at 21 points, the largest shear and the largest positive
// and negative moments over all loadcases with the loadcase that gives each.
void BuildEnvelopeText();

// The lines of a result list, held as one text with the end of each line: a loadcase's list has
// a thousand lines, and a string of its own for each would cost an allocation per line. Read as
// the strings it holds (a line, the whole list as a vector, compared with one).
class ResultLines {
public:
    class const_iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        const_iterator(const ResultLines* of, std::size_t i) : of_(of), i_(i) {}
        std::string_view operator*() const { return of_->view(i_); }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) { return {of_, i_++}; }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }

    private:
        const ResultLines* of_ = nullptr;
        std::size_t i_ = 0;
    };
    using iterator = const_iterator;

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view view(std::size_t i) const {
        const std::size_t from = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(from, ends_[i] - from);
    }
    std::string operator[](std::size_t i) const { return std::string(view(i)); }
    std::string front() const { return (*this)[0]; }
    std::string back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // Room for `lines` more lines of `characters` characters in all.
    void reserve(std::size_t lines, std::size_t characters) {
        ends_.reserve(ends_.size() + lines);
        text_.reserve(text_.size() + characters);
    }
    void push_back(std::string_view line) {
        text_ += line;
        ends_.push_back(static_cast<std::uint32_t>(text_.size()));
    }

    operator std::vector<std::string>() const { return {begin(), end()}; }
    friend bool operator==(const ResultLines& a, const std::vector<std::string>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::string text_;
    std::vector<std::uint32_t> ends_; // line i ends before text_[ends_[i]]
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
