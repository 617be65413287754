// Program entry of korvi.
#include "driver/korvi.h"

int main(int argc, char** argv) {
    return korvi_main(argc, argv);
}
