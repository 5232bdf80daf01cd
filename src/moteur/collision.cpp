// Contact tests: axis-aligned hit boxes centred on the rectangles, compared strictly,
// so boxes that only touch do not collide.
#include "moteur/collision.h"

#include <cstdlib>

namespace {

int centre_x(const SDL_Rect& r) { return r.x + r.w / 2; }
int centre_y(const SDL_Rect& r) { return r.y + r.h / 2; }

}  // namespace

int collision_vaisseaux(const vaisseau* a, const vaisseau* b)
{
    if (std::abs(centre_x(a->rect) - centre_x(b->rect)) >= a->rayon_x + b->rayon_x)
        return 0;
    return std::abs(centre_y(a->rect) - centre_y(b->rect)) < a->rayon_y + b->rayon_y ? 1 : 0;
}

// A shot's box is its own rectangle's half-size; a ship's is its radii, not its picture.
int collision_tir(const tir* s, const vaisseau* v)
{
    if (std::abs(centre_x(s->rect) - centre_x(v->rect)) >= s->rect.w / 2 + v->rayon_x)
        return 0;
    return std::abs(centre_y(s->rect) - centre_y(v->rect)) < s->rect.h / 2 + v->rayon_y ? 1 : 0;
}
