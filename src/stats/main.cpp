// Program entry of korvi-stats.
#include "stats/korvi_stats.h"

int main(int argc, char** argv) {
    return korvi_stats_main(argc, argv);
}
