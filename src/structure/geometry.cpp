// Distances between points and atoms, in single precision.
#include "structure/geometry.h"

#include <cmath>

#include "structure/model.h"

float vector_length(float dx, float dy, float dz) {
    const float components[3] = {dx, dy, dz};
    float scale = 0.0f;
    float sum = 1.0f;
    for (float c : components) {
        if (c == 0.0f) continue;
        float magnitude = std::fabs(c);
        if (scale < magnitude) {
            float ratio = scale / magnitude;
            sum = 1.0f + sum * (ratio * ratio);
            scale = magnitude;
        } else {
            float ratio = magnitude / scale;
            sum = sum + ratio * ratio;
        }
    }
    return scale * std::sqrt(sum);
}

float atom_distance(const Atom* a, const Atom* b) {
    return point_distance(a, b->x, b->y, b->z);
}

float point_distance(const Atom* a, float x, float y, float z) {
    return vector_length(a->x - x, a->y - y, a->z - z);
}
