// A share's file: the settings that define the sweep and what the share's
// pieces found, as tab-separated lines whose every number reads back to the
// same bits (floats with 9 significant digits, doubles with 17), so that the
// table merged from the shares equals that of one run byte for byte.
//
//   korvi-perm sweep share <k> <m>
//   lattice <file name>
//   grid <s> <r> <d> <t> <p>
//   first <S> <R> <D>
//   steps <N>
//   parameters <A> <lambda> <E>
//   tours <per batch>
//   batches <K>
//   seed <seed>
//   pieces <pieces of the whole sweep>
//   piece <target> <batch> sampled <ln Z> <walks> <vertices placed> <outer-shell walks>
//   piece <target> <batch> beyond-reach
//   end <piece lines>
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "perm/sweep_pieces.h"

// PREFIX.k-of-m.share
std::string share_file_name(const std::string& prefix, const Share& share);

// Writes the settings and the pieces `share` holds that are not missing.
void write_share(std::FILE* fp, const ProbeSweepSettings& settings, const Share& share,
                 const SweepPieces& pieces);

// What a share file holds.
struct ShareFile {
    Share share;
    ProbeSweepSettings settings;
    std::string settings_lines;                // the lines from "lattice" to "pieces", as written
    long pieces = 0;                           // of the whole sweep
    std::vector<std::pair<long, Piece>> held;  // piece number and what it found
};

// Reads a share file written by write_share; false after a message that
// names the file (`name`) and line and says what was expected.
bool read_share(std::FILE* fp, const std::string& name, ShareFile& file);
