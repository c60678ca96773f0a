#pragma once

// The whole program from its command line: the one place that turns the
// parsed arguments into a run (help, version, a refusal, an import, files
// written without a window, or the window).
namespace ProgramRun {

// main()'s arguments; returns the exit code.
int Run(int argc, char** argv);

} // namespace ProgramRun
