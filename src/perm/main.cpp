// Program entry of korvi-perm.
#include "perm/korvi_perm.h"

int main(int argc, char** argv) {
    return korvi_perm_main(argc, argv);
}
