// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tarvelo::benchmarks {

/// Prints what the console reporter prints and, at the end, the medians of
/// the benchmarks it was told about as a table: one row per contender, one
/// column per size, each figure with its ratio to the row named the floor.
/// Once in CPU time, which a loaded machine barely disturbs, and once in
/// wall time.
class SideBySideReporter final : public benchmark::ConsoleReporter {
public:
    /// `floor` is the row the others are compared with; `columnTitle` names
    /// what the columns count ("layers").
    SideBySideReporter(std::string floor, std::string columnTitle);

    /// Puts the benchmark named `benchmarkName` into row `row`, column `column`.
    void place(const std::string& benchmarkName, const std::string& row, long column);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Cell {
        double cpuMs = 0.0;
        double realMs = 0.0;
        bool median = false;
    };
    struct Place {
        std::string row;
        long column = 0;
    };

    void printTable(const char* title, double Cell::*figure) const;

    std::string m_floor;
    std::string m_columnTitle;
    std::map<std::string, Place> m_places;
    std::vector<std::string> m_rows;
    std::vector<long> m_columns;
    std::map<std::pair<std::string, long>, Cell> m_cells;
};

}  // namespace tarvelo::benchmarks
