#include "core/format/color_effects.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/format/gradient_stops.h"
#include "core/format/letter_units.h"

namespace tagforge {
namespace {

PackedColorCode CodeOf(int red, int green, int blue) {
    return PackColorCode(std::clamp(red, 0, 255), std::clamp(green, 0, 255),
                         std::clamp(blue, 0, 255));
}

PackedColorCode CodeOf(ColorValue color) {
    const ColorValue resolved = ResolveColor(color);
    return CodeOf(RedOf(resolved), GreenOf(resolved), BlueOf(resolved));
}

// One segment of the colour wheel: the channel that moves (by +step or -step) and the channel
// held at full and at zero while it moves.
struct WheelSegment {
    int RunningColor::*moving;
    int direction;
    int RunningColor::*full;
    int RunningColor::*zero;
};

constexpr std::array<WheelSegment, 6> kWheel = {{
    {&RunningColor::green, +1, &RunningColor::red, &RunningColor::blue},
    {&RunningColor::red, -1, &RunningColor::green, &RunningColor::blue},
    {&RunningColor::blue, +1, &RunningColor::green, &RunningColor::red},
    {&RunningColor::green, -1, &RunningColor::blue, &RunningColor::red},
    {&RunningColor::red, +1, &RunningColor::blue, &RunningColor::green},
    {&RunningColor::blue, -1, &RunningColor::red, &RunningColor::green},
}};

PackedColorCode StepAlongWheel(RunningColor& c, int segment, int step, float segmentLength,
                               long letterIndex) {
    if (segment >= 1 && segment <= static_cast<int>(kWheel.size())) {
        const WheelSegment& row = kWheel[static_cast<std::size_t>(segment - 1)];
        // The first letter of a segment only sets the fixed channels.
        const long segmentStart = (segment - 1) * static_cast<long>(segmentLength) + 1;
        if (letterIndex != segmentStart) {
            c.*row.moving += row.direction * step;
        }
        c.*row.full = 255;
        c.*row.zero = 0;
    }
    c.red = std::clamp(c.red, 0, 255);
    c.green = std::clamp(c.green, 0, 255);
    c.blue = std::clamp(c.blue, 0, 255);
    return CodeOf(c.red, c.green, c.blue);
}

// Walks the text letter by letter, stepping over smiley markers and CR LF pairs.
class LetterWalker {
  public:
    LetterWalker(std::string_view text, const std::vector<MarkerRecord>& markers)
        : text_(text), markers_(markers) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }

    enum class Step { Marker, LineBreak, Letter };

    Step Advance() {
        while (nextMarker_ < markers_.size() && markers_[nextMarker_].offset < pos_) {
            ++nextMarker_;
        }
        if (nextMarker_ < markers_.size() && markers_[nextMarker_].offset == pos_) {
            pos_ += std::max<std::size_t>(markers_[nextMarker_].length, 1);
            ++nextMarker_;
            return Step::Marker;
        }
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
            pos_ += 2;
            return Step::LineBreak;
        }
        pos_ += FastLetterUnitLength(text_, pos_);
        return Step::Letter;
    }

  private:
    std::string_view text_;
    const std::vector<MarkerRecord>& markers_;
    std::size_t pos_ = 0;
    std::size_t nextMarker_ = 0;
};

using Channels = std::array<int, 3>;

Channels ChannelsOf(ColorValue color) {
    const ColorValue resolved = ResolveColor(color);
    return {RedOf(resolved), GreenOf(resolved), BlueOf(resolved)};
}

// The part of a gradient between two stops that fall on different groups: from group
// `fromGroup` (with the colour `start`) to group `toGroup`, each channel moving by `delta` a
// group.
struct GradientSegment {
    std::size_t fromGroup;
    std::size_t toGroup;
    Channels start;
    std::array<float, 3> delta;
};

// Stops that fall on the same group as the next stop start no segment, so nothing divides by
// zero; the segments left cover the groups from the first to the last without a gap.
std::vector<GradientSegment> GradientSegments(std::span<const ColorValue> stops,
                                              std::size_t groups) {
    std::vector<GradientSegment> segments;
    for (std::size_t j = 0; j + 1 < stops.size(); ++j) {
        const std::size_t from = StopGroup(j, stops.size(), groups);
        const std::size_t to = StopGroup(j + 1, stops.size(), groups);
        if (to == from) {
            continue;
        }
        GradientSegment segment{from, to, ChannelsOf(stops[j]), {}};
        const Channels end = ChannelsOf(stops[j + 1]);
        for (std::size_t c = 0; c < 3; ++c) {
            segment.delta[c] = static_cast<float>(static_cast<double>(end[c] - segment.start[c]) /
                                                  static_cast<double>(to - from));
        }
        segments.push_back(segment);
    }
    return segments;
}

// Works out the colour of each group in turn, as the chosen effect wants it.
class GroupColors {
  public:
    GroupColors(EffectMode mode, std::size_t letters, int groupSize, ColorValue first,
                ColorValue second, std::span<const ColorValue> stops, RandomSource& random)
        : mode_(mode),
          groupSize_(groupSize),
          firstCode_(CodeOf(first)),
          secondCode_(CodeOf(second)),
          random_(random) {
        if (mode == EffectMode::Spectrum || mode == EffectMode::RandomPerLetter) {
            segmentLength_ = static_cast<float>(static_cast<double>(letters) / 6.0);
            step_ = static_cast<float>(static_cast<double>(groupSize) * 255.0 /
                                       static_cast<double>(segmentLength_));
        } else if (mode == EffectMode::Gradient || mode == EffectMode::GradientStops) {
            // The two-colour gradient is the gradient through its two colours.
            const std::array<ColorValue, 2> ends = {first, second};
            if (mode == EffectMode::Gradient || stops.size() < kMinGradientStops) {
                stops = ends;
            }
            const std::size_t size = static_cast<std::size_t>(groupSize);
            const std::size_t groups = letters / size + (letters % size != 0 ? 1 : 0);
            firstStop_ = ChannelsOf(stops.front());
            segments_ = GradientSegments(stops, groups);
        }
    }

    // The colour code of the next group.
    PackedColorCode Next() {
        switch (mode_) {
            case EffectMode::Spectrum: {
                const int segment = static_cast<int>(
                    static_cast<double>(k_ - 1) / static_cast<double>(segmentLength_) + 1.0);
                current_ =
                    StepAlongWheel(running_, segment, static_cast<int>(step_), segmentLength_, k_);
                k_ += groupSize_;
                break;
            }
            case EffectMode::Gradient:
            case EffectMode::GradientStops: {
                const Channels channel = GradientChannels(static_cast<std::size_t>(k_ - 1));
                // Neighbouring letters of a long gradient mostly share their colour.
                if (channel != lastChannel_) {
                    current_ = CodeOf(channel[0], channel[1], channel[2]);
                    lastChannel_ = channel;
                }
                ++k_;
                break;
            }
            case EffectMode::RandomPerLetter: {
                running_.red = static_cast<int>(random_.Next() % 256);
                running_.green = static_cast<int>(random_.Next() % 256);
                running_.blue = static_cast<int>(random_.Next() % 256);
                const int segment = static_cast<int>(random_.Next() % 7);
                current_ =
                    StepAlongWheel(running_, segment, static_cast<int>(step_), segmentLength_, 1);
                break;
            }
            case EffectMode::Alternation:
                current_ = (started_ && current_ == firstCode_) ? secondCode_ : firstCode_;
                break;
        }
        started_ = true;
        return current_;
    }

  private:
    // Group `group` (from 0) takes its colour from the segment it lies in, counted in steps from
    // the segment's first group; the last group is where the last segment ends.
    Channels GradientChannels(std::size_t group) {
        if (group == 0 || segments_.empty()) {
            return firstStop_;
        }
        while (group >= segments_[segment_].toGroup && segment_ + 1 < segments_.size()) {
            ++segment_;
        }
        const GradientSegment& segment = segments_[segment_];
        const auto steps = static_cast<double>(group - segment.fromGroup);
        Channels channel{};
        for (std::size_t c = 0; c < 3; ++c) {
            channel[c] = static_cast<int>(static_cast<double>(segment.start[c]) +
                                          steps * static_cast<double>(segment.delta[c]));
        }
        return channel;
    }

    EffectMode mode_;
    long groupSize_;
    PackedColorCode firstCode_;
    PackedColorCode secondCode_;
    RandomSource& random_;
    PackedColorCode current_ = 0;
    bool started_ = false;
    long k_ = 1;
    RunningColor running_;
    float segmentLength_ = 0.0F;
    float step_ = 0.0F;
    Channels firstStop_{};
    std::vector<GradientSegment> segments_;
    std::size_t segment_ = 0;
    Channels lastChannel_ = {-1, -1, -1};
};

}  // namespace

std::string ApplySolidColor(std::string_view text, ColorValue color) {
    std::string result;
    result.reserve(text.size() + kColorTagLength);
    ResultWriter out(AppendTo(result), TextEncoding::Windows1251, LineBreaks::Keep);
    WriteSolidColor(out, text, color);
    out.Finish();
    return result;
}

void WriteSolidColor(ResultWriter& out, std::string_view text, ColorValue color) {
    out.PutColorGroup(CodeOf(color), text);
}

std::size_t CountLetters(std::string_view text, const std::vector<MarkerRecord>& markers) {
    LetterWalker walker(text, markers);
    std::size_t letters = 0;
    while (!walker.AtEnd()) {
        if (walker.Advance() == LetterWalker::Step::Letter) {
            ++letters;
        }
    }
    return letters;
}

std::size_t ColorTagCount(std::size_t letters, int groupSize) {
    const auto size = static_cast<std::size_t>(std::max(groupSize, 1));
    return letters / size < 2 ? 0 : (letters + size - 1) / size;
}

std::size_t VisibleLength(std::string_view text) {
    return CountLetters(text, ParseMarkers(text));
}

std::string SpectrumStep(RunningColor& color, int segment, int step, float segmentLength,
                         long letterIndex) {
    const PackedColorCode code = StepAlongWheel(color, segment, step, segmentLength, letterIndex);
    std::string digits(sizeof code, '\0');
    std::memcpy(digits.data(), &code, sizeof code);
    digits.resize(6);
    return digits;
}

std::string ApplyColorEffect(std::string_view text, const std::vector<MarkerRecord>& markers,
                             int groupSize, EffectMode mode, ColorValue first, ColorValue second,
                             RandomSource& random, std::span<const ColorValue> stops) {
    const std::size_t letters = CountLetters(text, markers);
    std::string result;
    result.reserve(text.size() + ColorTagCount(letters, groupSize) * kColorTagLength);
    ResultWriter out(AppendTo(result), TextEncoding::Windows1251, LineBreaks::Keep);
    WriteColorEffect(out, text, markers, letters, groupSize, mode, first, second, random, stops);
    out.Finish();
    return result;
}

void WriteColorEffect(ResultWriter& out, std::string_view text,
                      const std::vector<MarkerRecord>& markers, std::size_t letters, int groupSize,
                      EffectMode mode, ColorValue first, ColorValue second, RandomSource& random,
                      std::span<const ColorValue> stops) {
    groupSize = std::max(groupSize, 1);
    if (ColorTagCount(letters, groupSize) == 0) {
        out.Put(text);
        return;
    }

    GroupColors colors(mode, letters, groupSize, first, second, stops, random);
    LetterWalker walker(text, markers);
    while (!walker.AtEnd()) {
        const PackedColorCode code = colors.Next();
        const std::size_t groupStart = walker.position();
        int counted = 0;
        while (counted < groupSize && !walker.AtEnd()) {
            if (walker.Advance() == LetterWalker::Step::Letter) {
                ++counted;
            }
        }
        const std::string_view group =
            text.substr(groupStart, std::min(walker.position(), text.size()) - groupStart);
        // Markers and line breaks after the last letter stay outside any tag.
        if (counted == 0) {
            out.Put(group);
            continue;
        }
        out.PutColorGroup(code, group);
    }
}

}  // namespace tagforge
