// Built-in section tables: rows as listed, turned into the records of their section file.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "sections/SectionRec.h"

namespace kx {

// A number field of the record, named by its member.
using SectionField = float TSectionRec::*;

// A value that every section row of a table holds (E, grade, taper, ...).
struct FixedValue {
    SectionField Field;
    float Value;
};

// Marks a row whose dimensions are estimates because no published figures were found.
struct EstimatedRow {};
inline constexpr EstimatedRow kEstimated{};

// One row of a table: the designation as listed and the values of the table's columns in order.
// A row with a designation of blanks (or nothing) is a spacer row and lists no values.
template <std::size_t N> struct TableRow {
    std::string_view Designation;
    std::array<float, N> Values{};
    bool Estimated = false;

    constexpr TableRow(std::string_view designation) : Designation(designation) {
        for (char c : designation)
            if (c != ' ') throw std::logic_error("only a spacer row lists no values");
    }

    template <class... V>
    requires(sizeof...(V) == N &&
             (std::is_arithmetic_v<V> && ...)) constexpr TableRow(std::string_view designation, V... values)
        : Designation(designation), Values{static_cast<float>(values)...} {}

    template <class... V>
    requires(sizeof...(V) == N &&
             (std::is_arithmetic_v<V> && ...)) constexpr TableRow(EstimatedRow, std::string_view designation,
                                                                  V... values)
        : Designation(designation), Values{static_cast<float>(values)...}, Estimated(true) {}
};

// The designations of a table's rows marked estimated.
template <std::size_t N> std::vector<std::string> EstimatedDesignations(std::span<const TableRow<N>> rows) {
    std::vector<std::string> out;
    for (const TableRow<N>& r : rows)
        if (r.Estimated) out.emplace_back(r.Designation);
    return out;
}

// How a table stores what its rows do not list.
struct TableStyle {
    bool PadDesignation = true;             // blank-padded to 25 characters, else its own length
    std::string_view Shape{};               // shape code of every section row
    std::string_view SpacerShape{};         // shape code of every spacer row
    std::span<const FixedValue> Fixed{};    // set in every section row
    void (*Derive)(TSectionRec&) = nullptr; // fields of a section row that follow from others
};

// A section row: its designation, shape code and fixed values; every other number 0.
TSectionRec SectionRow(std::string_view designation, const TableStyle& style);
// A spacer row: its designation and the spacer shape code; every number 0.
TSectionRec SpacerRow(std::string_view designation, const TableStyle& style);

// The record of one row, its record number left 0.
template <std::size_t N>
TSectionRec TableRecord(const std::array<SectionField, N>& columns, const TableRow<N>& row,
                        const TableStyle& style) {
    if (IsSpacerDesignation(row.Designation)) return SpacerRow(row.Designation, style);
    TSectionRec rec = SectionRow(row.Designation, style);
    for (std::size_t i = 0; i < N; ++i)
        rec.*columns[i] = row.Values[i];
    if (style.Derive) style.Derive(rec);
    return rec;
}

// The table's records in order, numbered by their position (1, 2, 3, ...).
template <std::size_t N>
std::vector<TSectionRec> BuildRecords(const std::array<SectionField, N>& columns,
                                      std::span<const TableRow<N>> rows, const TableStyle& style) {
    std::vector<TSectionRec> records;
    records.reserve(rows.size());
    for (const TableRow<N>& row : rows) {
        records.push_back(TableRecord(columns, row, style));
        records.back().RecordNo = static_cast<std::int32_t>(records.size());
    }
    return records;
}

template <std::size_t N, std::size_t M>
std::vector<TSectionRec> BuildRecords(const std::array<SectionField, N>& columns,
                                      const TableRow<N> (&rows)[M], const TableStyle& style) {
    return BuildRecords(columns, std::span<const TableRow<N>>(rows), style);
}

// Fields that the channel tables do not list: b = B, extreme fibre about x-x = D/2.
void DeriveChannel(TSectionRec& rec);
// Fields that the unequal-angle tables do not list: T = t.
void DeriveAngle(TSectionRec& rec);
// Fields that the equal-angle tables list once for both legs.
void DeriveEqualAngle(TSectionRec& rec);

} // namespace kx
