#include "core/format/result_assembly.h"

#include <array>
#include <vector>

#include "core/format/color_effects.h"
#include "core/format/letter_transforms.h"
#include "core/format/markers.h"

namespace tagforge {
namespace {

constexpr std::array<std::string_view, 5> kThirdFaceColors = {"44EEFF", "44FF77", "33CCFF",
                                                              "44CCFF", "66FFBB"};
constexpr std::string_view kNickBlue = "3399FF";
constexpr std::string_view kPrefixGreen = "99FF33";
constexpr std::string_view kLinkBlue = "0099FF";
constexpr std::string_view kThirdFaceNickColor = "99CCFF";
constexpr std::string_view kThirdFaceStars = "<font color=99FF33>**<u>*</u></font> ";

std::string FontColorTag(std::string_view code) {
    std::string tag = "<font color=";
    tag += code;
    tag += '>';
    return tag;
}

// Letter transforms do not depend on the build attempt, so they run once per rebuild.
struct TransformedMessage {
    std::string text;
    std::vector<MarkerRecord> markers;
};

TransformedMessage TransformLetters(const FormatterOptions& options) {
    TransformedMessage message{options.message, {}};
    if (options.danceCase) {
        const auto ratio =
            static_cast<float>(static_cast<double>(options.danceRatioPercent) / 100.0);
        message.text = DanceCase(message.text, ratio);
    }
    message.markers = ParseMarkers(message.text);
    if (options.reverseText) {
        message.text = NormalizeLineBreaks(ReverseText(message.text, message.markers));
        message.markers = ParseMarkers(message.text);
    }
    return message;
}

std::string ApplyColor(const TransformedMessage& message, const FormatterOptions& options,
                       int attempt, RandomSource& random) {
    if (!options.colorEffectEnabled) {
        if (options.thirdFace && options.otherNick) {
            const std::uint32_t pick = random.Next() % kThirdFaceColors.size();
            return FontColorTag(kThirdFaceColors[pick]) + message.text + "</font>";
        }
        return message.text;
    }
    const auto effect = [&](EffectMode mode) {
        return ApplyColorEffect(message.text, message.markers, attempt, mode,
                                options.firstEffectColor, options.secondEffectColor, random);
    };
    switch (options.colorEffect) {
        case kEffectGradient:
            return effect(EffectMode::Gradient);
        case kEffectSpectrum:
            return effect(EffectMode::Spectrum);
        case kEffectRandomPerLetter:
            return effect(EffectMode::RandomPerLetter);
        case kEffectAlternation:
            return effect(EffectMode::Alternation);
        default:
            return ApplySolidColor(message.text, options.firstEffectColor);
    }
}

std::string ApplyFont(std::string text, const FormatterOptions& options) {
    if (!options.fontNameEnabled && !options.fontSizeEnabled) {
        return text;
    }
    std::string open = "<font";
    if (options.fontNameEnabled) {
        open += " face=\"";
        open += options.fontName;
        open += '"';
    }
    if (options.fontSizeEnabled) {
        open += " size=";
        open += options.fontSize;
    }
    open += '>';
    return open + text + "</font>";
}

std::string BuildOnce(const TransformedMessage& message, const FormatterOptions& options,
                      int attempt, RandomSource& random) {
    std::string text = ApplyColor(message, options, attempt, random);
    if (options.underline) {
        text = WrapInTag(text, "u");
    }
    if (options.italic) {
        text = WrapInTag(text, "i");
    }
    if (options.bold) {
        text = WrapInTag(text, "b");
    }
    text = ApplyFont(std::move(text), options);
    if (options.onlyForYou) {
        text = OnlyForYouPrefix(text, options);
    }
    if (options.linkEnabled) {
        const std::string color =
            options.linkColorEnabled ? ToColorCode(options.linkColor) : std::string(kLinkBlue);
        text += " <u>" + FontColorTag(color) + options.linkText + "</font></u>";
    }
    if (options.otherNick) {
        text = OtherNickLine(text, options);
    }
    return text;
}

bool WithinThreshold(std::size_t length, const FormatterOptions& options, int attempt) {
    // The up-down control hands its position over as a 16-bit number.
    const auto threshold = static_cast<std::int16_t>(options.threshold);
    return !options.thresholdEnabled || threshold == 0 || attempt >= kMaxBuildAttempts ||
           static_cast<long long>(length) <= threshold;
}

}  // namespace

std::string OnlyForYouPrefix(std::string_view text, const FormatterOptions& options) {
    const std::string open = options.onlyForYouColorEnabled
                                 ? FontColorTag(ToColorCode(options.onlyForYouColor))
                                 : FontColorTag(kPrefixGreen);
    std::string result = open;
    result += '(';
    result += options.onlyForYouWording;
    result += options.addressee;
    result += ")</font>";
    result += FontColorTag(kNickBlue);
    result += ": </font>";
    result += text;
    return result;
}

std::string OtherNickLine(std::string_view text, const FormatterOptions& options) {
    std::string open = FontColorTag(kNickBlue);
    std::string shownNick = "<u>" + options.otherNickName + "</u>";
    std::string close;
    std::string separator = options.onlyForYou ? "" : ": ";
    if (options.otherNickColorEnabled) {
        open = FontColorTag(ToColorCode(options.otherNickColor));
        close = "</font>" + FontColorTag(kNickBlue);
    }
    if (options.thirdFace) {
        open = std::string(kThirdFaceStars) + FontColorTag(options.otherNickColorEnabled
                                                               ? ToColorCode(options.otherNickColor)
                                                               : std::string(kThirdFaceNickColor));
        close.clear();
        shownNick = options.otherNickName;
        separator = options.onlyForYou ? "" : " ";
    }
    std::string result = options.ownText;
    result += "<br>";
    result += open;
    result += shownNick;
    result += close;
    result += separator;
    result += "</font>";
    result += text;
    return result;
}

std::string BuildResultText(const FormatterOptions& options, RandomSource& random) {
    const TransformedMessage message = TransformLetters(options);
    std::string text;
    for (int attempt = 1;; ++attempt) {
        text = BuildOnce(message, options, attempt, random);
        if (WithinThreshold(text.size(), options, attempt)) {
            break;
        }
    }
    text = LineBreaksToBr(text, "<br>");
    if (options.tagEnabled) {
        text = options.tag + " " + text;
    }
    return text;
}

}  // namespace tagforge
