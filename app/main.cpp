#include "app/application.h"
#include "app/command_line.h"
#include "app/main_form.h"

#include <cstdio>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    const TCommandLine commandLine = TCommandLine::Parse(app.arguments().mid(1));
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "kaldoro: %s\nusage: kaldoro [FILE...]\n", qPrintable(commandLine.error));
        return 2;
    }
    app.RunGuarded([&] {
        TForm1 form;
        form.show();
        if (!commandLine.files.isEmpty())
            form.LoadFiles(commandLine.files);
        return app.exec();
    });
    return 0;
}
