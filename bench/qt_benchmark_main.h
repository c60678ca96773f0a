#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

// Runs the registered benchmarks inside an application object, on the
// offscreen platform unless the caller chose one. A check, when given, runs
// first and stops everything when it fails.
inline int RunQtBenchmarks(int argc, char** argv, const std::function<bool()>& check = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (check && !check())
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
