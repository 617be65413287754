// Generation of random self-avoiding walks on a lattice, from its origin,
// around the vertices that the sphere exclusion marked.
#pragma once

struct Atom;
struct Entry;
struct WalkRecord;

// Grows one walk of n steps from start into walk, every position carbon.
// params holds the interaction strength A, interaction distance and
// gauche-trans energy E; with A = 0 and E = 0 each step is uniform among the
// free neighbours. Returns walk when it reached n steps, else null (after
// "No lattice given!\n" or "No starting vertex found!\n" on standard error,
// or a dead end, reported on standard output within the first three steps).
//
// Every attempt leaves the lattice as a full clean-up would: each vertex's
// degree in `work`, marks below 2.0 reset to 0.0. The first attempt on a
// lattice makes both full passes; later ones reset only the walk's own
// vertices, until the lattice's note (lattice/marks.h) is cleared or its
// first or last vertex or edge changes. The record must have room for n + 1
// positions.
WalkRecord* Xltsaw(Entry* lattice, Atom* start, int n, const float* params, WalkRecord* walk);

// What the last Xltsaw found, for a caller that retries failed attempts: when
// `futile` is set no attempt can succeed and the caller should stop; with
// `refused` Xltsaw has said why, otherwise the caller says it (more steps than
// `reachable` vertices).
struct SawAttempt {
    int steps = 0;         // steps taken before the attempt ended
    int reachable = 0;     // enterable_reach of the start vertex
    bool refused = false;  // no lattice, no start vertex or a record without room
    bool futile = false;   // refused, or more steps asked than vertices reachable
};
const SawAttempt& last_saw_attempt();

// Number of vertices other than start that a walk from start could ever enter:
// those with at least two edges and a mark that the clean-up frees (below 2.0),
// reached from start through such vertices. A walk of n steps needs n of them,
// so with fewer no attempt can succeed (and with none every attempt dead-ends
// at its first step). Costs in proportion to the vertices found; the marks it
// raises while searching are restored bit for bit.
int enterable_reach(Atom* start);
