// Program entry of korvi.
#include "driver/korvi.h"
#include "sweep/indexed_scorer.h"

int main(int argc, char** argv) {
    return korvi_main(argc, argv, default_walk_budget());
}
