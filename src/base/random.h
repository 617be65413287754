// Uniform random numbers from the C library's generator, so that a seed gives
// the same sequence wherever the same C library runs.
#pragma once

// rand() / 2147483647.0 as a float in [0, 1].
float Brandf();

// Seeds the generator behind Brandf (srand).
void Bsrand(int seed);
