#include "app/StartUp.h"

int main() {
    if (!startUp()) return 1;
    return runTopLevel();
}
