#include "sim/catalogue.h"

#include <algorithm>

namespace sim {

namespace {
const Place places[placeCount] = {
    {"Terre", 9.8f, "terre.jpg"},
    {"Lune", 1.62f, "lune.jpg"},
    {"Mars", 3.71f, "mars.jpg"},
};

const Projectile projectiles[projectileCount] = {
    {"pomme (180 g)", 0.18f, "pom.wav"},
    {"pierre (330 g)", 0.33f, "bim.wav"},
    {"ballon (450 g)", 0.45f, "bam.wav"},
    {"boule de pétanque (800 g)", 0.8f, "bam.wav"},
    {"rocher (1 830 kg)", 1830.0f, "boum.wav"},
};
} // namespace

const Place& place(int index) { return places[std::clamp(index, 0, placeCount - 1)]; }
const Projectile& projectile(int index) { return projectiles[std::clamp(index, 0, projectileCount - 1)]; }

} // namespace sim
