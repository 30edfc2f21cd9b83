#include "Program.h"
#include "TApplication.h"

int main(int argc, char* argv[]) {
    TApplication application(argc, argv);
    application.setApplicationName("Quendrel");
    return RunProgram();
}
