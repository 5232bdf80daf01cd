// Colours of the polarities.
#include "palette.h"

couleur teinte_principale(teinte t)
{
    switch (t) {
    case ROUGE: return rouge_vif;
    case BLEU: return bleu_vif;
    case BLANC: return blanc_casse;
    case BOUCLIER: return rgb(230, 235, 255);
    case NEUTRE: break;
    }
    return metal;
}

couleur teinte_sombre(teinte t)
{
    switch (t) {
    case ROUGE: return rouge_sombre;
    case BLEU: return bleu_sombre;
    case BLANC: return rgb(170, 176, 190);
    case BOUCLIER: return rgb(140, 170, 230);
    case NEUTRE: break;
    }
    return metal_sombre;
}
