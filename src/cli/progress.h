// A progress line for long work, shown only when standard error is a
// terminal: it redraws in place a few times a second and is erased before
// any other output reaches the terminal, so the final screen holds exactly
// the normal lines. When standard error is not a terminal nothing changes.
#pragma once

#include "sweep/sweep_grid.h"

// Checks whether standard error is a terminal and, if so, routes both output
// streams through writers that erase the progress line first. Call once,
// after the streams' buffering is set.
void progress_setup();

// Whether progress is shown at all.
bool progress_enabled();

// Work of `total` items (0: unknown) starts; `what` names it ("walks", ...).
// Updates come often in fast loops: the clock is read on every stride-th.
void progress_begin(const char* what, long total, int stride = 1);

// `done` items are finished, after `tries` attempts when not negative (the
// rate of items per second is shown with them). The line is redrawn at most
// four times a second.
void progress_update(long done, long tries = -1);

// The work is over: the line is erased.
void progress_end();

// The calls that show a sweep's progress on the progress line, counted in
// `unit` (positions, or batches of them); none when progress is not shown.
SweepProgress sweep_progress(const char* unit = "positions");
