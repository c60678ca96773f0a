#include "app/cli/program_run.h"

int main(int argc, char** argv)
{
    return ProgramRun::Run(argc, argv);
}
