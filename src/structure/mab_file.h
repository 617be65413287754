// The .mab structure file: blocks of entries with their crystal, monomer and
// atom lines. The writer makes one block per call; the reader returns entries.
#pragma once

#include <cstdio>

#include "structure/model.h"

// Records that the suite's "Cntl", "wgts" and "poc"/"dic"/"toc"/"pyc" lines
// fill. No caller of this program supplies them, so the reader skips those lines.
struct ControlRecord;
struct ConstraintSet;
struct WeightsRecord;

// Result of Istmab for a null stream.
constexpr int kMabNoStream = 1073741831;

// Writes one block ("Version 2", entry lines, atom lines). Given an entry
// (type != 0) it writes that entry if it is molecular; given a list head, every
// molecular entry whose state has bit value 2. Returns 0 when written; 1 for a
// null entry or when no atom was written ("No atoms found!" on stdout).
// Numbers atoms (serial), bond counts (work) and monomers (link) as it goes.
int Istmab(std::FILE* fp, Entry* entry, int flags);

// Writes the atom lines of one entry numbered by Istmab; nothing when the
// entry's number (its head atom's serial) is below 1. Returns 0.
int Istmabat(std::FILE* fp, Entry* entry);

// Reads entries into the list `head` (null: the current global list). With
// oneatatime set, an entry is returned as soon as the next "Version" line is
// met; call again until the result is null. At the end of the file the single
// entry read by this call is returned (state 1, colour -1, bond colours 1);
// with several or none the result is null. On failure every entry of the call
// is released and "Read of mab-file failed!" printed on stdout.
Entry* Igtmab(std::FILE* fp, Entry* head, ControlRecord* control, ConstraintSet* constraints,
              WeightsRecord* weights, int oneatatime);
