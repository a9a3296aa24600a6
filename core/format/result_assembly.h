#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/color_code.h"
#include "core/format/random_source.h"
#include "core/format/result_limit.h"
#include "core/format/result_writer.h"

namespace tagforge {

// The colour effects offered by the effect list, by index; -1 when none is selected.
enum EffectIndex : int {
    kEffectNone = -1,
    kEffectSolid = 0,
    kEffectGradient = 1,
    kEffectSpectrum = 2,
    kEffectRandomSolid = 3,
    kEffectRandomPerLetter = 4,
    kEffectAlternation = 5,
    kEffectGradientStops = 6,
};

// What the formatter reads from the window's controls (their names in brackets). Texts are
// Windows-1251 bytes with CR LF line breaks.
struct FormatterOptions {
    std::string message;  // MainText

    bool danceCase = false;      // cbDanceFont
    int danceRatioPercent = 50;  // tbDanceFontRatio, 0..100
    bool reverseText = false;    // cbReverseText

    bool colorEffectEnabled = false;        // cbColorMark
    int colorEffect = kEffectNone;          // comboboxColorMark
    ColorValue firstEffectColor = kWhite;   // Image6
    ColorValue secondEffectColor = kWhite;  // Image7
    // The gradient through stops, 2 to 8 colours in order; fewer stand for the two panels.
    std::vector<ColorValue> gradientStops;

    bool underline = false;  // cbEffect4
    bool italic = false;     // cbEffect5
    bool bold = false;       // cbEffect6

    bool fontNameEnabled = false;  // cbFontName
    std::string fontName;          // comboboxFontName
    bool fontSizeEnabled = false;  // cbFontSize
    std::string fontSize = "4";    // ComboBoxFontSize

    bool onlyForYou = false;              // cbOnlyForYou
    std::string onlyForYouWording;        // ComboOnlyForYou
    std::string addressee;                // OnlyForYouName
    bool onlyForYouColorEnabled = false;  // cbOnlyForYouColor
    ColorValue onlyForYouColor = kWhite;  // ImOnlyForYou

    bool linkEnabled = false;       // cbOk
    std::string linkText;           // ComboBox2
    bool linkColorEnabled = false;  // cbOkColor
    ColorValue linkColor = kWhite;  // ImOkColor

    bool otherNick = false;              // cbOtherName
    std::string otherNickName;           // OtherNameNick
    bool otherNickColorEnabled = false;  // cbOtherNameColor
    ColorValue otherNickColor = kWhite;  // OtherNameColor
    bool thirdFace = false;              // cb3rdFace
    std::string ownText;                 // OtherNameOwnText

    bool tagEnabled = false;  // CheckBox1
    std::string tag;          // ComboBox1

    bool thresholdEnabled = false;        // cbThreshold (settings page)
    int threshold = kDefaultResultLimit;  // UpDown2 position

    bool operator==(const FormatterOptions&) const = default;
};

inline constexpr int kMaxBuildAttempts = 20;

// The length the threshold holds the result to; 0 when none is in force. The copy warns against
// the same length the build coarsens its colours for.
int ThresholdInForce(const FormatterOptions& options);

// The tagged result the window shows in ResultText. While a length threshold is in force and
// the result is too long, the whole build is repeated with more letters per colour tag, up to
// kMaxBuildAttempts times.
std::string BuildResultText(const FormatterOptions& options, RandomSource& random);

// The same text with the number of letters that share one colour tag in the kept attempt: 1 for
// the first attempt and for colourings that do not group letters, more when the threshold loop
// had to coarsen an effect.
struct BuiltResultText {
    std::string text;
    int lettersPerColor = 1;
};
BuiltResultText BuildResultTextWithGroups(const FormatterOptions& options, RandomSource& random);

// The same result built in one pass straight into `encoding`, line breaks written as "<br>" on
// the way, and handed to `sink` in slices as it is built, for output that needs no buffer of the
// whole text. Returns the result's length in Windows-1251, the length BuildResultText's text has.
std::size_t WriteResultText(const FormatterOptions& options, RandomSource& random,
                            TextEncoding encoding, const TextSink& sink);

// The fake "(только для вас, Name): " prefix in front of `text`.
std::string OnlyForYouPrefix(std::string_view text, const FormatterOptions& options);

// The user's own text, a line break and a fake line from another nick in front of `text`.
std::string OtherNickLine(std::string_view text, const FormatterOptions& options);

}  // namespace tagforge
