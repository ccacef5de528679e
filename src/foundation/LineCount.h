// Line 0 of a text table holds the count of its lines as decimal text: the one reader and writer of
// that count, for every table of lines 0..Hi (result texts, section and timber property lines, the
// calculators' reports).
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/Arr.h"
#include "platform/ShortString.h"

namespace kx {

// How a count is bounded. Whatever the policy, an empty line 0 counts 0, and a line 0 that is not a
// whole number (an optional sign and digits, nothing else) is damaged: reading it throws
// ConvertError, so that a damaged table is never shown as an empty one.
enum class CountPolicy {
    AsStored,    // the number as written, for the checks that refuse a table whose count it cannot hold
    WithinTable, // held to 0..Hi: the lines 1..count a reader may take
};

// The count a line 0 holds, as written.
int ReadLineCount(std::string_view line0);

inline std::string_view CountLineView(const std::string& line) { return line; }
template <int N> std::string_view CountLineView(const ShortString<N>& line) { return line.view(); }

// A table of lines low..high with line 0 holding the count: a plain array, or a table that puts
// some of its lines when they are first read. Every reader goes through the table's own indexing.
template <class Table>
concept CountedTable = Table::low == 0 && requires(const Table& t) {
    CountLineView(t[0]);
};

template <CountedTable Table> int LineCount(const Table& table, CountPolicy policy = CountPolicy::AsStored) {
    const int n = ReadLineCount(CountLineView(table[0]));
    return policy == CountPolicy::WithinTable ? std::clamp(n, 0, Table::high) : n;
}

// Line 0 := count.
template <CountedTable Table> void SetLineCount(Table& table, int count) { table[0] = std::to_string(count); }

} // namespace kx
