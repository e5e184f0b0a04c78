#include "support/RatioReporter.h"

#include "school/LargeSchool.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && run.iterations > 0)
            m_seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nratio (ours / raw engine), time per iteration:\n");
    for (const auto& [name, seconds] : m_seconds) {
        const auto slash = name.rfind("/ours");
        if (slash == std::string::npos)
            continue;
        const std::string base = name.substr(0, slash);
        const std::string rest = name.substr(slash + 5);
        const auto raw = m_seconds.find(base + "/raw" + rest);
        if (raw == m_seconds.end() || raw->second <= 0)
            continue;
        std::printf("  %-40s %6.3f  (%.3f ms vs %.3f ms)\n", (base + rest).c_str(), seconds / raw->second,
            seconds * 1e3, raw->second * 1e3);
    }
}

int runWithRatios(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

int runOnLargeSchool(int argc, char** argv, const std::function<bool()>& prepare)
{
    QString error;
    std::printf("preparing the large test school in %s ...\n", qPrintable(LargeSchool::defaultDir()));
    if (!LargeSchool::ensure(LargeSchool::defaultDir(), {}, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    if (prepare && !prepare())
        return 1;
    return runWithRatios(argc, argv);
}
