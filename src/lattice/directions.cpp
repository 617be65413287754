// Direction table of the lattice types and the free directions of a vertex.
#include "lattice/directions.h"

#include <cmath>
#include <cstdio>

#include "structure/model.h"

namespace {

struct Vec {
    double x, y, z;
};

Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator-(Vec a) {
    return {-a.x, -a.y, -a.z};
}
Vec operator*(double s, Vec a) {
    return {s * a.x, s * a.y, s * a.z};
}
Vec operator/(Vec a, double s) {
    return {a.x / s, a.y / s, a.z / s};
}

Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(Vec a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

bool normalisable(Vec a) {
    double l = length(a);
    return l > 0.0 && std::isfinite(l);
}

Vec normalised(Vec a) {
    double l = length(a);
    return {a.x / l, a.y / l, a.z / l};
}

void put(DirectionTable table, int row, Vec v) {
    table[row][0] = v.x;
    table[row][1] = v.y;
    table[row][2] = v.z;
}

constexpr double kTwoRootTwoThirds = 0.9428090415820635;  // 2*sqrt(2)/3
constexpr double kRootThree = 1.7320508075688772;
constexpr double kRootTwoThirds = 0.47140452079103173;  // sqrt(2)/3

// Squared length of D - s * delta.
double squared_gap(const double d[3], double s, const double delta[3]) {
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) {
        double g = d[i] - s * delta[i];
        sum += g * g;
    }
    return sum;
}

constexpr double kMatchTolerance = 0.1;  // absolute squared length in Å²

}  // namespace

void Xltvec(DirectionTable table, float b) {
    Vec d{table[0][0], table[0][1], table[0][2]};
    d = normalisable(d) ? normalised(d) : Vec{1.0, 0.0, 0.0};
    Vec h{0.0, 1.0, 0.0};
    Vec w = cross(d, h);
    while (!normalisable(w)) {
        h.z += 0.2;
        w = cross(d, h);
    }
    w = normalised(w);
    Vec u = normalised(cross(d, w));

    // Tetrahedral directions, shared by diamond and body centred cubic.
    Vec t1 = -d / 3.0 + kTwoRootTwoThirds * w;
    Vec t2 = -d / 3.0 + kRootTwoThirds * (kRootThree * u - w);
    Vec t3 = -d / 3.0 - kRootTwoThirds * (kRootThree * u + w);

    switch (generation_code()) {
    case kDiamond: {
        const Vec rows[] = {d, t1, t2, t3};
        for (int k = 0; k < 4; ++k) put(table, k, rows[k]);
        break;
    }
    case kSimpleCubic: {
        const Vec rows[] = {d, w, u, -w, -u, -d};
        for (int k = 0; k < 6; ++k) put(table, k, rows[k]);
        break;
    }
    case kBodyCentredCubic: {
        const Vec rows[] = {d, -t1, -t2, -t3, t1, t2, t3, -d};
        for (int k = 0; k < 8; ++k) put(table, k, rows[k]);
        break;
    }
    case kFaceCentredCubic: {
        const Vec rows[] = {d - w, d - u,  d + w, d + u, w - u,  w + u,
                            u - w, -u - w, w - d, u - d, -d - w, -d - u};
        for (int k = 0; k < 12; ++k) put(table, k, normalised(rows[k]));
        break;
    }
    }
    for (int k = 0; k < generation_type().coordination; ++k) {
        for (int i = 0; i < 3; ++i) table[k][i] *= b;
    }
}

int Xltfre(const Atom* v, const DirectionTable table, int free[kMaxDirections]) {
    const LatticeType& type = generation_type();
    const int c = type.coordination;
    for (int k = 0; k < c; ++k) free[k] = 1;
    int sign = 0;
    int n = 0;
    for (int i = 0; i < v->nslots && n < c; ++i) {
        if (!v->slots[i]) continue;
        ++n;
        const Atom* other = Qbdnbr(v->slots[i], v);
        const double delta[3] = {other->x - v->x, other->y - v->y, other->z - v->z};
        int k = 0;
        int match = 0;  // +1 plus match, -1 minus match
        for (; k < c; ++k) {
            if (squared_gap(table[k], 1.0, delta) < kMatchTolerance) {
                match = 1;
                break;
            }
            if (type.two_sublattices && squared_gap(table[k], -1.0, delta) < kMatchTolerance) {
                match = -1;
                break;
            }
        }
        if (match == 0) {
            std::printf("%s: ligand error!\n", v->label);
            continue;
        }
        if (type.two_sublattices) {
            if (sign == 0) {
                sign = match;
            } else if (sign != match) {
                std::printf("%s: sign error!\n", v->label);
            }
        }
        free[k] = 0;
    }
    if (sign != 0) {
        for (int k = 0; k < c; ++k) {
            if (free[k] != 0) free[k] = sign;
        }
    }
    return n;
}
