// zhcalc: the calculator program. Reads no arguments, files or settings; runs until
// the calculator window is closed.
#include "app/start_up.h"

int main(int argc, char** argv) {
    return zhcalc::runCalculator(argc, argv);
}
