// The game's icon for the desktop menus: a disc split between the two polarities, red and
// blue, with the player's ship flying up across the split. It is drawn afresh at each size
// the desktop's icon theme asks for, so the small sizes stay sharp instead of being shrunk
// from the large one; below 32 pixels the cockpit and the rim's light are left out.
#include "icone.h"

#include "fichiers_images.h"
#include "formes.h"
#include "palette.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int tailles_icone[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon at s x s pixels; every length is a share of s.
toile dessine_icone(int s)
{
    toile t(s, s);
    const float c = s / 2.0f, r = s * 0.47f;
    // Red above the diagonal from bottom left to top right, blue below, both shaded from the
    // centre out; a dark seam of a pixel or more between them.
    const float joint = std::fmax(1.0f, s / 24.0f);
    remplit_forme(t, c - r, c - r, c + r, c + r,
                  [=](float x, float y) { return (x - c) * (x - c) + (y - c) * (y - c) <= r * r; },
                  [=](float x, float y) {
                      const float cote = (x - c) + (y - c);  // signed distance to the diagonal, times sqrt 2
                      const float d = std::sqrt((x - c) * (x - c) + (y - c) * (y - c)) / r;
                      if (std::fabs(cote) < joint)
                          return panneau;
                      return cote < 0 ? melange(rouge_vif, rouge_sombre, 0.8f * d) : melange(bleu_vif, bleu_sombre, 0.8f * d);
                  });
    anneau(t, c, c, r, r - std::fmax(1.0f, s / 20.0f), panneau);
    if (s >= 32)
        anneau(t, c, c, r - s / 20.0f, r - s / 14.0f, rgb(255, 255, 255));

    // The ship: a dart with swept wings and a notched tail, left half mirrored.
    const std::vector<point> moitie = {{c, s * 0.14f},          {c - s * 0.07f, s * 0.40f}, {c - s * 0.30f, s * 0.70f},
                                       {c - s * 0.30f, s * 0.79f}, {c - s * 0.09f, s * 0.68f}, {c - s * 0.06f, s * 0.82f},
                                       {c, s * 0.76f}};
    polygone_symetrique(t, moitie, c, panneau);
    // The same dart a little inside the dark one, so that it keeps a dark edge at every size.
    const float e = std::fmax(0.8f, s / 40.0f);
    std::vector<point> clair;
    for (const point& p : moitie)
        clair.push_back({p.x + (p.x < c ? e : 0), p.y + (p.y < s * 0.5f ? 1.6f * e : -e)});
    polygone_symetrique(t, clair, c, blanc_casse);
    if (s >= 32)
        ellipse(t, c, s * 0.47f, s * 0.035f, s * 0.08f, verriere);
    return t;
}

}  // namespace

bool ecrit_icones(const std::string& dossier)
{
    bool bon = true;
    for (int s : tailles_icone) {
        const std::string sous_dossier = dossier + "/" + std::to_string(s) + "x" + std::to_string(s) + "/apps";
        std::error_code erreur;
        std::filesystem::create_directories(sous_dossier, erreur);
        bon = ecrit_png_transparent(sous_dossier + "/polarite.png", dessine_icone(s)) && bon;
    }
    if (bon)
        std::printf("icons: %zu sizes from %d to %d pixels in %s\n", std::size(tailles_icone), tailles_icone[0],
                    tailles_icone[std::size(tailles_icone) - 1], dossier.c_str());
    return bon;
}
