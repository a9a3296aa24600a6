#include "core/format/result_assembly.h"

#include <array>
#include <cassert>
#include <utility>
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
    std::size_t letters = 0;  // counted only for the effects that colour groups of letters
};

// How the message itself gets its colour.
struct Coloring {
    enum class Kind { None, ThirdFace, Solid, Effect };
    Kind kind = Kind::None;
    EffectMode mode = EffectMode::Gradient;  // for Kind::Effect
};

Coloring ColoringOf(const FormatterOptions& options) {
    if (!options.colorEffectEnabled) {
        return {options.thirdFace && options.otherNick ? Coloring::Kind::ThirdFace
                                                       : Coloring::Kind::None};
    }
    switch (options.colorEffect) {
        case kEffectGradient:
            return {Coloring::Kind::Effect, EffectMode::Gradient};
        case kEffectSpectrum:
            return {Coloring::Kind::Effect, EffectMode::Spectrum};
        case kEffectRandomPerLetter:
            return {Coloring::Kind::Effect, EffectMode::RandomPerLetter};
        case kEffectAlternation:
            return {Coloring::Kind::Effect, EffectMode::Alternation};
        case kEffectGradientStops:
            return {Coloring::Kind::Effect, EffectMode::GradientStops};
        default:
            return {Coloring::Kind::Solid};
    }
}

TransformedMessage TransformLetters(const FormatterOptions& options, const Coloring& coloring) {
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
    if (coloring.kind == Coloring::Kind::Effect) {
        message.letters = CountLetters(message.text, message.markers);
    }
    return message;
}

// The Windows-1251 bytes the colour adds to the message in one build attempt.
std::size_t ColorLength(const TransformedMessage& message, const Coloring& coloring, int attempt) {
    switch (coloring.kind) {
        case Coloring::Kind::None:
            return 0;
        case Coloring::Kind::ThirdFace:
        case Coloring::Kind::Solid:
            return kColorTagLength;
        case Coloring::Kind::Effect:
            return ColorTagCount(message.letters, attempt) * kColorTagLength;
    }
    return 0;
}

void WriteColoredMessage(ResultWriter& out, const TransformedMessage& message,
                         const FormatterOptions& options, const Coloring& coloring, int attempt,
                         RandomSource& random) {
    switch (coloring.kind) {
        case Coloring::Kind::None:
            out.Put(message.text);
            break;
        case Coloring::Kind::ThirdFace: {
            const std::uint32_t pick = random.Next() % kThirdFaceColors.size();
            out.PutMarkup(FontColorTag(kThirdFaceColors[pick]));
            out.Put(message.text);
            out.PutMarkup("</font>");
            break;
        }
        case Coloring::Kind::Solid:
            WriteSolidColor(out, message.text, options.firstEffectColor);
            break;
        case Coloring::Kind::Effect:
            WriteColorEffect(out, message.text, message.markers, message.letters, attempt,
                             coloring.mode, options.firstEffectColor, options.secondEffectColor,
                             random, options.gradientStops);
            break;
    }
}

std::string FontOpenTag(const FormatterOptions& options) {
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
    return open;
}

// Everything around the coloured message, which is the same in every build attempt: the
// other-nick line, the only-for-you prefix, the font tag and the style tags in front (bold
// outside italic outside underline), their closing tags and the link behind.
struct Frame {
    std::string head;
    std::string tail;
};

Frame FrameOf(const FormatterOptions& options) {
    Frame frame;
    if (options.otherNick) {
        frame.head += OtherNickLine("", options);
    }
    if (options.onlyForYou) {
        frame.head += OnlyForYouPrefix("", options);
    }
    const bool font = options.fontNameEnabled || options.fontSizeEnabled;
    if (font) {
        frame.head += FontOpenTag(options);
    }
    constexpr std::array<std::pair<bool FormatterOptions::*, std::string_view>, 3> kStyles = {{
        {&FormatterOptions::bold, "b"},
        {&FormatterOptions::italic, "i"},
        {&FormatterOptions::underline, "u"},
    }};
    for (const auto& [flag, tag] : kStyles) {
        if (options.*flag) {
            frame.head += '<';
            frame.head += tag;
            frame.head += '>';
        }
    }
    for (auto it = kStyles.rbegin(); it != kStyles.rend(); ++it) {
        if (options.*(it->first)) {
            frame.tail += "</";
            frame.tail += it->second;
            frame.tail += '>';
        }
    }
    if (font) {
        frame.tail += "</font>";
    }
    if (options.linkEnabled) {
        const std::string color =
            options.linkColorEnabled ? ToColorCode(options.linkColor) : std::string(kLinkBlue);
        frame.tail += " <u>" + FontColorTag(color) + options.linkText + "</font></u>";
    }
    return frame;
}

bool WithinThreshold(std::size_t length, const FormatterOptions& options, int attempt) {
    // The up-down control hands its position over as a 16-bit number.
    const auto threshold = static_cast<std::int16_t>(ThresholdInForce(options));
    return threshold == 0 || attempt >= kMaxBuildAttempts ||
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

namespace {

// One rebuild: the message transformed, the frame made and the threshold loop run to the build
// attempt that is kept; writing the kept attempt is left to the caller's writer.
class ResultBuild {
  public:
    ResultBuild(const FormatterOptions& options, RandomSource& random)
        : options_(options),
          random_(random),
          coloring_(ColoringOf(options)),
          message_(TransformLetters(options, coloring_)),
          frame_(FrameOf(options)) {
        while (!WithinThreshold(Length(), options_, attempt_)) {
            // A rejected attempt still draws its random numbers, so it runs in full; its output
            // goes nowhere.
            ResultWriter discard([](std::string_view) {}, TextEncoding::Windows1251,
                                 LineBreaks::Keep);
            WriteColoredMessage(discard, message_, options_, coloring_, attempt_, random_);
            ++attempt_;
        }
    }

    // The Windows-1251 length of the kept attempt before its line breaks become "<br>": the
    // number the threshold is compared with.
    std::size_t Length() const {
        return frame_.head.size() + message_.text.size() +
               ColorLength(message_, coloring_, attempt_) + frame_.tail.size();
    }

    std::size_t SizeBound(TextEncoding encoding) const {
        std::size_t bound =
            Length() - message_.text.size() - frame_.head.size() - frame_.tail.size();
        for (const std::string& piece : {message_.text, frame_.head, frame_.tail}) {
            bound += ResultWriter::EncodedSizeBound(piece, encoding);
        }
        if (options_.tagEnabled) {
            bound += ResultWriter::EncodedSizeBound(options_.tag, encoding) + 1;
        }
        return bound;
    }

    // The tag goes in front after the line breaks have become "<br>", so it keeps its own.
    void Write(ResultWriter& out) {
        if (options_.tagEnabled) {
            out.SetLineBreaks(LineBreaks::Keep);
            out.Put(options_.tag);
            out.PutMarkup(" ");
        }
        out.SetLineBreaks(LineBreaks::ToBr);
        [[maybe_unused]] const std::size_t start = out.SourceLength();
        out.Put(frame_.head);
        WriteColoredMessage(out, message_, options_, coloring_, attempt_, random_);
        out.Put(frame_.tail);
        assert(out.SourceLength() - start == Length());
    }

    // Only the effects hand the attempt on as their group size.
    int LettersPerColor() const { return coloring_.kind == Coloring::Kind::Effect ? attempt_ : 1; }

  private:
    const FormatterOptions& options_;
    RandomSource& random_;
    Coloring coloring_;
    TransformedMessage message_;
    Frame frame_;
    int attempt_ = 1;
};

}  // namespace

int ThresholdInForce(const FormatterOptions& options) {
    return options.thresholdEnabled ? options.threshold : 0;
}

std::string BuildResultText(const FormatterOptions& options, RandomSource& random) {
    return BuildResultTextWithGroups(options, random).text;
}

BuiltResultText BuildResultTextWithGroups(const FormatterOptions& options, RandomSource& random) {
    ResultBuild build(options, random);
    BuiltResultText result;
    result.text.reserve(build.SizeBound(TextEncoding::Windows1251));
    ResultWriter out(AppendTo(result.text), TextEncoding::Windows1251, LineBreaks::ToBr);
    build.Write(out);
    out.Finish();
    result.lettersPerColor = build.LettersPerColor();
    return result;
}

std::size_t WriteResultText(const FormatterOptions& options, RandomSource& random,
                            TextEncoding encoding, const TextSink& sink) {
    ResultBuild build(options, random);
    ResultWriter out(sink, encoding, LineBreaks::ToBr);
    build.Write(out);
    out.Finish();
    return out.Windows1251Length();
}

}  // namespace tagforge
