// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// How one sound's notes are voiced.
struct Voice {
    std::vector<double> partials; // loudness of the 1st, 2nd, ... harmonic
    double attack;                // seconds to swell in, so a note never clicks on
    double release;               // seconds to fade out at the end of a note
    double dieAway;               // time constant of the natural decay, seconds
    double loudness;              // loudest sample, as a share of full scale
};

struct Note {
    double start;     // seconds
    double length;    // seconds, release included
    double frequency; // Hz
};

double envelope(const Voice& voice, const Note& note, double t)
{
    const double swell = std::min(1.0, t / voice.attack);
    const double fade = std::min(1.0, (note.length - t) / voice.release);
    return std::sin(swell * std::numbers::pi / 2) * std::sin(fade * std::numbers::pi / 2)
           * std::exp(-t / voice.dieAway);
}

std::vector<qint16> render(const Voice& voice, const std::vector<Note>& notes)
{
    double seconds = 0;
    for (const Note& note : notes)
        seconds = std::max(seconds, note.start + note.length);
    std::vector<double> mix(static_cast<std::size_t>(std::ceil(seconds * Sounds::sampleRate)));
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(std::lround(note.start * Sounds::sampleRate));
        const auto count = static_cast<std::size_t>(std::lround(note.length * Sounds::sampleRate));
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double t = static_cast<double>(i) / Sounds::sampleRate;
            double wave = 0;
            for (std::size_t h = 0; h < voice.partials.size(); ++h)
                wave += voice.partials[h]
                        * std::sin(2 * std::numbers::pi * note.frequency * static_cast<double>(h + 1) * t);
            mix[first + i] += envelope(voice, note, t) * wave;
        }
    }
    double loudest = 0;
    for (const double sample : mix)
        loudest = std::max(loudest, std::abs(sample));
    const double scale = voice.loudness * 32767 / loudest;
    std::vector<qint16> samples;
    samples.reserve(mix.size());
    for (const double sample : mix)
        samples.push_back(static_cast<qint16>(std::lround(sample * scale)));
    return samples;
}

} // namespace

namespace Sounds {

std::vector<qint16> maru()
{
    // A glockenspiel-like voice: a clear tone with a faint bright overtone.
    const Voice chime{{1.0, 0.18, 0.06}, 0.004, 0.06, 0.22, 0.6};
    return render(chime, {{0.00, 0.36, 1046.5},   // C6
                          {0.11, 0.36, 1318.5},   // E6
                          {0.22, 0.58, 1568.0}}); // G6, left to ring out
}

std::vector<qint16> batu()
{
    // A round, hummed voice with no sharp edges: a "boo", not a buzzer. It is
    // kept quieter than the chime; a wrong answer is no drama.
    const Voice hum{{1.0, 0.35, 0.12}, 0.03, 0.08, 0.9, 0.4};
    return render(hum, {{0.00, 0.34, 293.7},   // D4
                        {0.36, 0.50, 220.0}}); // A3
}

} // namespace Sounds
