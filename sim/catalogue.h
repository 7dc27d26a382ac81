#pragma once
// The places and projectiles a throw can use.

namespace sim {

struct Place {
    const char* name;       // as listed, UTF-8
    float gravity;          // m·s-2
    const char* photograph; // file in the application directory
};

struct Projectile {
    const char* name;
    float mass;             // kg
    const char* sound;      // impact sound in the application directory
};

enum PlaceIndex { Terre = 0, Lune = 1, Mars = 2 };
enum ProjectileIndex { Pomme = 0, Pierre = 1, Ballon = 2, Boule = 3, Rocher = 4 };

constexpr int placeCount = 3;
constexpr int projectileCount = 5;

const Place& place(int index);
const Projectile& projectile(int index);

// The Moon has no air to carry an impact sound.
inline bool isSilent(int placeIndex) { return placeIndex == Lune; }
// Only the ball bounces; every other projectile stops at the ground.
inline bool bounces(int projectileIndex) { return projectileIndex == Ballon; }

} // namespace sim
