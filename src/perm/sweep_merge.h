// Joining the shares of a sweep, each run as a process of its own, into the
// pieces of the whole sweep.
#pragma once

#include <optional>
#include <string>

#include "perm/sweep_pieces.h"

// Reads PREFIX.1-of-m.share ... PREFIX.m-of-m.share. They must come from the
// same sweep (the same settings, to the last digit) and hold every piece of
// its grid exactly once. Their settings go to *settings; nothing after a
// message that names the file at fault.
std::optional<SweepPieces> merge_shares(const std::string& prefix, int count,
                                        ProbeSweepSettings& settings);
