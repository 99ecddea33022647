#include "host/GlacimoMain.h"
#include "platform/Startup.h"

int main(int argc, char** argv) {
    return StartProgram(argc, argv, &GlacimoMain);
}
