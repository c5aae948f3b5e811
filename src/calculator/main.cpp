// zhcalc: the calculator program. Reads no arguments, files or settings; runs until
// the calculator window is closed.
#include "calculator/window/app_identity.h"

int main(int argc, char** argv) {
    return zhcalc::runCalculator(argc, argv);
}
