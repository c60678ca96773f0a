#include "app/application.h"
#include "app/command_line.h"
#include "app/main_form.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // Arguments are checked before the application object connects to a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine commandLine = TCommandLine::Parse(arguments);
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "kaldoro: %s\nusage: kaldoro [FILE...]\n", qPrintable(commandLine.error));
        return 2;
    }
    TApplication app(argc, argv);
    app.RunGuarded([&] {
        TForm1 form;
        form.show();
        if (!commandLine.files.isEmpty())
            form.LoadFiles(commandLine.files);
        return app.exec();
    });
    return 0;
}
