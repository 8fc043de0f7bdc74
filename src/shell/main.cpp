// Kestravan: steer the whirlwind, catch what runs, throw it at the target.
#include "shell/application.h"

int main() {
    return runGame();
}
