// WAV and Ogg Vorbis writers. The Ogg stream number is fixed so that every run writes
// the same bytes.
#include "fichiers_sons.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <vorbis/vorbisenc.h>

namespace {
constexpr int serie_ogg = 0x504F4C41;
constexpr float qualite_ogg = 0.3f;

void ecrit_u32(FILE* f, uint32_t v)
{
    const uint8_t o[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(o, 1, 4, f);
}

void ecrit_u16(FILE* f, uint16_t v)
{
    const uint8_t o[2] = {uint8_t(v), uint8_t(v >> 8)};
    std::fwrite(o, 1, 2, f);
}

int16_t echantillon(float v) { return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767)); }

// The game plays a loop once and starts it again when the mixer reports it stopped, which
// it can do only between two 2048-frame buffers. The Ogg reader notices the end of a stream
// only when it tries to read past it: a loop of whole buffers ends with one silent buffer,
// and any other length leaves the rest of its last buffer silent. So an Ogg loop is written
// one frame short of its whole buffers, and the frame it leaves out, which the mixer plays as
// silence, is the one nearest the seam where both channels cross zero together.
constexpr size_t trames_tampon_mixeur = 2048;

piste boucle_pour_ogg(const piste& s)
{
    const size_t n = s.g.size();
    if (n % trames_tampon_mixeur != 0)
        throw std::logic_error("a loop that is not whole mixer buffers");
    size_t omis = 0;
    float plus_petit = 2;
    for (size_t k = 0; k < frequence_echantillons / 100; k++)
        for (size_t i : {k, n - 1 - k}) {  // within 10 ms of the seam
            const float a = std::max(std::fabs(s.g[i]), std::fabs(s.d[i]));
            if (a < plus_petit)
                plus_petit = a, omis = i;
        }
    piste r;
    for (size_t k = 1; k < n; k++) {
        r.g.push_back(s.g[(omis + k) % n]);
        r.d.push_back(s.d[(omis + k) % n]);
    }
    return r;
}

bool ecrit_pages(FILE* f, ogg_stream_state& flux, bool tout)
{
    ogg_page page;
    while (tout ? ogg_stream_flush(&flux, &page) : ogg_stream_pageout(&flux, &page)) {
        std::fwrite(page.header, 1, size_t(page.header_len), f);
        std::fwrite(page.body, 1, size_t(page.body_len), f);
    }
    return !std::ferror(f);
}
}  // namespace

bool ecrit_wav(const std::string& chemin, const piste& s)
{
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (f == NULL) {
        std::perror(chemin.c_str());
        return false;
    }
    const uint32_t octets = uint32_t(s.g.size() * 4);
    std::fwrite("RIFF", 1, 4, f);
    ecrit_u32(f, 36 + octets);
    std::fwrite("WAVEfmt ", 1, 8, f);
    ecrit_u32(f, 16);
    ecrit_u16(f, 1);  // PCM
    ecrit_u16(f, 2);
    ecrit_u32(f, frequence_echantillons);
    ecrit_u32(f, frequence_echantillons * 4);
    ecrit_u16(f, 4);
    ecrit_u16(f, 16);
    std::fwrite("data", 1, 4, f);
    ecrit_u32(f, octets);
    for (size_t i = 0; i < s.g.size(); i++) {
        ecrit_u16(f, uint16_t(echantillon(s.g[i])));
        ecrit_u16(f, uint16_t(echantillon(s.d[i])));
    }
    return std::fclose(f) == 0;
}

bool ecrit_ogg(const std::string& chemin, const piste& morceau)
{
    const piste s = morceau.boucle ? boucle_pour_ogg(morceau) : morceau;
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (f == NULL) {
        std::perror(chemin.c_str());
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, frequence_echantillons, qualite_ogg) != 0) {
        std::fprintf(stderr, "%s: the Vorbis encoder refused its settings\n", chemin.c_str());
        std::fclose(f);
        return false;
    }
    vorbis_comment commentaire;
    vorbis_comment_init(&commentaire);
    vorbis_dsp_state dsp;
    vorbis_block bloc;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &bloc);
    ogg_stream_state flux;
    ogg_stream_init(&flux, serie_ogg);

    ogg_packet entete, entete_comm, entete_code;
    vorbis_analysis_headerout(&dsp, &commentaire, &entete, &entete_comm, &entete_code);
    ogg_stream_packetin(&flux, &entete);
    ogg_stream_packetin(&flux, &entete_comm);
    ogg_stream_packetin(&flux, &entete_code);
    bool bon = ecrit_pages(f, flux, true);

    constexpr size_t tranche = 4096;
    size_t i = 0;
    bool fini = false;
    while (bon && !fini) {
        const size_t n = std::min(tranche, s.g.size() - i);
        if (n > 0) {
            float** tampon = vorbis_analysis_buffer(&dsp, int(n));
            std::copy(s.g.begin() + long(i), s.g.begin() + long(i + n), tampon[0]);
            std::copy(s.d.begin() + long(i), s.d.begin() + long(i + n), tampon[1]);
        }
        vorbis_analysis_wrote(&dsp, int(n));  // 0 marks the end of the stream
        i += n;
        fini = n == 0;
        while (vorbis_analysis_blockout(&dsp, &bloc) == 1) {
            vorbis_analysis(&bloc, NULL);
            vorbis_bitrate_addblock(&bloc);
            ogg_packet paquet;
            while (vorbis_bitrate_flushpacket(&dsp, &paquet)) {
                ogg_stream_packetin(&flux, &paquet);
                bon = bon && ecrit_pages(f, flux, false);
            }
        }
    }
    bon = bon && ecrit_pages(f, flux, true);

    ogg_stream_clear(&flux);
    vorbis_block_clear(&bloc);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&commentaire);
    vorbis_info_clear(&info);
    return std::fclose(f) == 0 && bon;
}
