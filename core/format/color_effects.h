#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"
#include "core/format/markers.h"
#include "core/format/random_source.h"
#include "core/format/result_writer.h"

namespace tagforge {

// Gradient runs from the first colour to the second; GradientStops runs through `stops`.
enum class EffectMode {
    Spectrum = 1,
    Gradient = 2,
    RandomPerLetter = 3,
    Alternation = 4,
    GradientStops = 5,
};

// The colour carried from one group of letters to the next by the spectrum and random modes.
struct RunningColor {
    int red = 255;
    int green = 0;
    int blue = 0;
};

// "<font color=CODE>" + text + "</font>", even for an empty text.
std::string ApplySolidColor(std::string_view text, ColorValue color);
void WriteSolidColor(ResultWriter& out, std::string_view text, ColorValue color);

// Puts one colour tag around every `groupSize` visible letters. Smiley markers and line breaks
// join the group of the letter after them and are never split; a character reference (with the
// references of the same character) is one letter. Texts with fewer than two groups come back
// unchanged. `markers` are those ParseMarkers finds in `text`.
//
// Through stops, stop j of N falls on group StopGroup(j, N, G) of the G groups; between two
// stops each channel moves as the two-colour gradient moves it, so two stops give that
// gradient's result. The first group has the first stop's colour, the last group the colour the
// last segment reaches, and any other group that several stops fall on the last of them, so with
// more stops than groups some stops do not show. Fewer than two stops stand for `first` and
// `second`.
std::string ApplyColorEffect(std::string_view text, const std::vector<MarkerRecord>& markers,
                             int groupSize, EffectMode mode, ColorValue first, ColorValue second,
                             RandomSource& random, std::span<const ColorValue> stops = {});
// The same, written to `out`; `letters` is CountLetters(text, markers).
void WriteColorEffect(ResultWriter& out, std::string_view text,
                      const std::vector<MarkerRecord>& markers, std::size_t letters, int groupSize,
                      EffectMode mode, ColorValue first, ColorValue second, RandomSource& random,
                      std::span<const ColorValue> stops = {});

// What one colour tag pair adds: "<font color=RRGGBB>" and "</font>".
inline constexpr std::size_t kColorTagLength = 26;

// How many tag pairs ApplyColorEffect puts into a text of `letters` visible letters.
std::size_t ColorTagCount(std::size_t letters, int groupSize);

// Letters that get colour: every byte but CR LF pairs and smiley markers, a character reference
// counting as one.
std::size_t VisibleLength(std::string_view text);
std::size_t CountLetters(std::string_view text, const std::vector<MarkerRecord>& markers);

// Moves the running colour one step along the colour wheel (segments 1 to 6) and returns it as
// a colour code. `letterIndex` is the 1-based index of the group's first letter.
std::string SpectrumStep(RunningColor& color, int segment, int step, float segmentLength,
                         long letterIndex);

}  // namespace tagforge
