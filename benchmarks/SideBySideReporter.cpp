// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SideBySideReporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

namespace tarvelo::benchmarks {

namespace {

double milliseconds(double value, benchmark::TimeUnit unit)
{
    return value / benchmark::GetTimeUnitMultiplier(unit) * 1e3;
}

std::string withThousands(long value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

constexpr int kRowWidth = 18;
constexpr int kCellWidth = 22;

}  // namespace

SideBySideReporter::SideBySideReporter(std::string floor, std::string columnTitle)
    : m_floor(std::move(floor)), m_columnTitle(std::move(columnTitle))
{
}

void SideBySideReporter::place(const std::string& benchmarkName, const std::string& row, long column)
{
    m_places[benchmarkName] = {row, column};
    if (std::find(m_rows.begin(), m_rows.end(), row) == m_rows.end())
        m_rows.push_back(row);
    if (std::find(m_columns.begin(), m_columns.end(), column) == m_columns.end())
        m_columns.push_back(column);
}

void SideBySideReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const auto found = m_places.find(run.run_name.function_name);
        if (found == m_places.end() || run.error_occurred)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        // A single repetition has no aggregates; its one run stands in for the median.
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        Cell& cell = m_cells[{found->second.row, found->second.column}];
        if (cell.median && !median)
            continue;
        cell = {milliseconds(run.GetAdjustedCPUTime(), run.time_unit),
                milliseconds(run.GetAdjustedRealTime(), run.time_unit), median};
    }
}

void SideBySideReporter::Finalize()
{
    ConsoleReporter::Finalize();
    if (m_cells.empty())
        return;
    printTable("CPU time", &Cell::cpuMs);
    printTable("wall time", &Cell::realMs);
}

void SideBySideReporter::printTable(const char* title, double Cell::*figure) const
{
    std::ostream& out = GetOutputStream();
    char text[96];
    out << "\nSide by side, " << title << ": median ms per call, and its ratio to \"" << m_floor << "\"\n";
    std::snprintf(text, sizeof text, "%-*s", kRowWidth, "");
    out << text;
    for (const long column : m_columns) {
        std::snprintf(text, sizeof text, "%*s", kCellWidth, (withThousands(column) + " " + m_columnTitle).c_str());
        out << text;
    }
    out << "\n";
    for (const std::string& row : m_rows) {
        std::snprintf(text, sizeof text, "%-*s", kRowWidth, row.c_str());
        out << text;
        for (const long column : m_columns) {
            const auto cell = m_cells.find({row, column});
            const auto floor = m_cells.find({m_floor, column});
            char figureText[64] = "-";
            if (cell != m_cells.end() && row != m_floor && floor != m_cells.end() && floor->second.*figure > 0.0)
                std::snprintf(figureText, sizeof figureText, "%.2f (%.1fx)", cell->second.*figure,
                              cell->second.*figure / floor->second.*figure);
            else if (cell != m_cells.end())
                std::snprintf(figureText, sizeof figureText, "%.2f", cell->second.*figure);
            std::snprintf(text, sizeof text, "%*s", kCellWidth, figureText);
            out << text;
        }
        out << "\n";
    }
    out << std::flush;
}

}  // namespace tarvelo::benchmarks
