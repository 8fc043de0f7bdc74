// Kestravan: steer the whirlwind, catch what runs, throw it at the target. The one entry of
// every back end (on Windows too: the C library hands the command line to main).
#include "launch/launcher.h"

int main(int argc, char** argv) {
    return launch(argc, argv);
}
