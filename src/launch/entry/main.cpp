// Kestravan: steer the whirlwind, catch what runs, throw it at the target.
#include "launch/launcher.h"

int main(int argc, char** argv) {
    return launch(argc, argv);
}
