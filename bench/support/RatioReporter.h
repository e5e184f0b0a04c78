#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>

// Prints the usual table, then for every pair of benchmarks named "<case>/ours" and "<case>/raw"
// the ratio of their times per iteration: how much our layer costs over the engine underneath.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> m_seconds;
};

// Runs every registered benchmark with this reporter; returns main()'s exit code.
int runWithRatios(int argc, char** argv);

// Makes the large test school once (or finds it made) and runs every benchmark on it. `prepare`,
// when given, runs once the school is there (a plan to print, a copy to write on); false ends the
// run with exit code 1, its reason already said.
int runOnLargeSchool(int argc, char** argv, const std::function<bool()>& prepare = {});
