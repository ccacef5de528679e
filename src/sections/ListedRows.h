// Rows published in full, put in place of the rows a table derives from dimensions.
#pragma once

#include <array>
#include <stdexcept>
#include <vector>

#include "sections/SectionTable.h"
#include "sections/TableColumns.h"

namespace kx {

// A row whose every value is published: it is stored as published, even where it strays from
// the formulas that give the other rows of its table.
template <std::size_t N> struct ListedRow {
    int Position; // counted from 1
    TableRow<N> Row;
};

// Replaces the records at the listed positions by the published rows, keeping their record
// numbers. A listed row must stand where the table holds its designation.
template <std::size_t N, std::size_t M>
void PutListedRows(std::vector<TSectionRec>& records, const std::array<SectionField, N>& columns,
                   const ListedRow<N> (&listed)[M], const TableStyle& style) {
    TableStyle asListed = style;
    asListed.Derive = nullptr;
    for (const ListedRow<N>& l : listed) {
        if (l.Position < 1 || static_cast<std::size_t>(l.Position) > records.size())
            throw std::logic_error("listed row outside its table");
        TSectionRec& rec = records[static_cast<std::size_t>(l.Position - 1)];
        TSectionRec published = TableRecord(columns, l.Row, asListed);
        if (!(published.Designation == rec.Designation)) throw std::logic_error("listed row out of place");
        published.RecordNo = rec.RecordNo;
        rec = published;
    }
}

// The records of a table derived from its rows' dimensions, with the rows published in full in
// their places, numbered by position.
template <std::size_t D, std::size_t M, std::size_t N, std::size_t L>
std::vector<TSectionRec> BuildRecords(const std::array<SectionField, D>& dimensionColumns,
                                      const TableRow<D> (&rows)[M],
                                      const std::array<SectionField, N>& listedColumns,
                                      const ListedRow<N> (&listed)[L], const TableStyle& style) {
    std::vector<TSectionRec> records = BuildRecords(dimensionColumns, rows, style);
    PutListedRows(records, listedColumns, listed, style);
    return records;
}

} // namespace kx
