// Start-up of korvi (being built).
#include "driver/korvi.h"

int korvi_main(int, char**) { return 0; }
