#include "app/application.h"
#include "app/chart_export.h"
#include "app/command_line.h"
#include "app/main_form.h"

#include <QFileInfo>

#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kaldoro: %s\n", qPrintable(message));
    return 2;
}

// Loads, evaluates and writes the requested files without showing a window.
int Export(TForm1& form, const TCommandLine& commandLine)
{
    // Skipped files and rows would otherwise go unnoticed: the pane is never shown.
    form.OnFilePaneLine = [](const QString& line) { std::fprintf(stderr, "kaldoro: %s\n", qPrintable(line)); };
    try {
        form.LoadFiles(commandLine.files);
        if (const QString error = form.SelectEvaluation(commandLine.mode, commandLine.metric); !error.isEmpty())
            return Fail(error);
        if (!commandLine.exportPng.isEmpty())
            if (const QString error = ChartExport::WritePng(*form.Chart(), commandLine.exportPng); !error.isEmpty())
                return Fail(error);
        if (!commandLine.exportCsv.isEmpty())
            if (const QString error = ChartExport::WriteCsv(*form.Chart(), commandLine.exportCsv); !error.isEmpty())
                return Fail(error);
        return 0;
    } catch (...) {
        return Fail(TApplication::MessageOfCurrentException());
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Arguments are checked before the application object connects to a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    TCommandLine commandLine = TCommandLine::Parse(arguments);
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "kaldoro: %s\n%s\n", qPrintable(commandLine.error), qPrintable(TCommandLine::Usage()));
        return 2;
    }
    // Full paths, as the open-file dialog gives them.
    for (QString& file : commandLine.files)
        file = QFileInfo(file).absoluteFilePath();
    // Exports need no display.
    if (commandLine.Exports() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    TApplication app(argc, argv);
    if (commandLine.Exports()) {
        TForm1 form;
        return Export(form, commandLine);
    }
    return app.RunGuarded([&] {
        TForm1 form;
        form.show();
        if (!commandLine.files.isEmpty())
            form.LoadFiles(commandLine.files);
        if (const QString error = form.SelectEvaluation(commandLine.mode, commandLine.metric); !error.isEmpty())
            std::fprintf(stderr, "kaldoro: %s\n", qPrintable(error));
        return app.exec();
    });
}
