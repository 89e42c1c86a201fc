// setup: starts the installer on the product package and ends at once with status 0,
// whether or not the installer could be started. Its own arguments are ignored.
#include "setup/launcher.h"

int main() {
    voltaro::setup::StartInstaller();
    return 0;
}
