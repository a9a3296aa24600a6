// Result assembly with random options. With only colour chosen, taking the colour tags out
// gives back the message (line breaks as "<br>"), and no tag stands inside a letter or a
// smiley marker.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/letter_units.h"
#include "core/format/markers.h"
#include "core/format/random_source.h"
#include "core/format/result_assembly.h"
#include "fuzz_support.h"
#include "tests/core/message_pieces.h"

namespace {

using tagforge::fuzz::Check;

std::string Text(FuzzedDataProvider& data, std::size_t most) {
    return data.ConsumeRandomLengthString(most);
}

std::string Message(FuzzedDataProvider& data) {
    std::string message;
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 60);
    for (std::size_t i = 0; i < count && data.remaining_bytes() > 0; ++i) {
        message += data.ConsumeBool()
                       ? std::string(data.PickValueInArray(tagforge::test::kMessagePieces))
                       : Text(data, 3);
    }
    // Tags in the result are then the formatter's own.
    for (char& c : message) {
        if (c == '<' || c == '>') {
            c = '(';
        }
    }
    return message;
}

bool HasLoneCr(std::string_view text) {
    for (std::size_t at = text.find('\r'); at != std::string_view::npos;
         at = text.find('\r', at + 1)) {
        if (at + 1 == text.size() || text[at + 1] != '\n') {
            return true;
        }
    }
    return false;
}

// The result without its colour tags, and where in that text each tag stood.
struct Stripped {
    std::string text;
    std::vector<std::size_t> tagsAt;
};

bool IsColourTag(std::string_view text, std::size_t at, std::size_t& length) {
    constexpr std::string_view kOpen = "<font color=";
    constexpr std::string_view kClose = "</font>";
    if (text.substr(at, kClose.size()) == kClose) {
        length = kClose.size();
        return true;
    }
    if (text.substr(at, kOpen.size()) == kOpen && at + kOpen.size() + 7 <= text.size() &&
        text[at + kOpen.size() + 6] == '>') {
        length = kOpen.size() + 7;
        return true;
    }
    return false;
}

Stripped StripColourTags(std::string_view result) {
    Stripped stripped;
    for (std::size_t at = 0; at < result.size();) {
        std::size_t length = 0;
        if (result[at] == '<' && IsColourTag(result, at, length)) {
            stripped.tagsAt.push_back(stripped.text.size());
            at += length;
        } else {
            stripped.text += result[at++];
        }
    }
    return stripped;
}

// Offsets of the "<br>" form where a tag may stand: between letters, outside markers.
std::vector<bool> TagPlaces(const std::string& message, std::size_t brFormSize) {
    // Letters as the formatter walks them: a marker is one step, anything else a letter unit.
    std::vector<bool> boundary(message.size() + 1, false);
    const std::vector<tagforge::MarkerRecord> markers = tagforge::ParseMarkers(message);
    std::size_t nextMarker = 0;
    for (std::size_t at = 0; at < message.size();) {
        boundary[at] = true;
        if (nextMarker < markers.size() && markers[nextMarker].offset == at) {
            at += std::max<std::size_t>(markers[nextMarker++].length, 1);
        } else {
            at += tagforge::LetterUnitLength(message, at);
        }
    }
    boundary[message.size()] = true;
    std::vector<bool> places(brFormSize + 1, false);
    std::size_t out = 0;
    for (std::size_t at = 0; at < message.size();) {
        places[out] = boundary[at];
        if (message[at] == '\r') {
            out += 4;
            at += at + 1 < message.size() ? 2 : 1;
        } else {
            ++out;
            ++at;
        }
    }
    places[out] = true;
    return places;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    tagforge::FormatterOptions options;
    options.colorEffectEnabled = data.ConsumeBool();
    options.colorEffect = data.ConsumeIntegralInRange<int>(-1, 6);
    options.firstEffectColor = data.ConsumeIntegralInRange<tagforge::ColorValue>(0, 0xFFFFFF);
    options.secondEffectColor = data.ConsumeIntegralInRange<tagforge::ColorValue>(0, 0xFFFFFF);
    if (options.colorEffect == tagforge::kEffectGradientStops) {
        // Any count: fewer than two stand for the panels, more than a profile holds still work.
        const int stops = data.ConsumeIntegralInRange<int>(0, 12);
        for (int stop = 0; stop < stops; ++stop) {
            options.gradientStops.push_back(
                data.ConsumeIntegralInRange<tagforge::ColorValue>(0, 0xFFFFFF));
        }
    }
    options.thresholdEnabled = data.ConsumeBool();
    options.threshold = data.ConsumeIntegralInRange<int>(0, 9999);
    const bool decorated = data.ConsumeBool();
    if (decorated) {
        options.danceCase = data.ConsumeBool();
        options.danceRatioPercent = data.ConsumeIntegralInRange<int>(0, 100);
        options.reverseText = data.ConsumeBool();
        options.underline = data.ConsumeBool();
        options.italic = data.ConsumeBool();
        options.bold = data.ConsumeBool();
        options.fontNameEnabled = data.ConsumeBool();
        options.fontName = Text(data, 8);
        options.fontSizeEnabled = data.ConsumeBool();
        options.onlyForYou = data.ConsumeBool();
        options.addressee = Text(data, 8);
        options.linkEnabled = data.ConsumeBool();
        options.linkText = Text(data, 8);
        options.otherNick = data.ConsumeBool();
        options.thirdFace = data.ConsumeBool();
        options.otherNickName = Text(data, 8);
        options.tagEnabled = data.ConsumeBool();
        options.tag = Text(data, 8);
    }
    options.message = Message(data);
    tagforge::DefaultRandomSource random;
    random.Seed(data.ConsumeIntegral<std::uint32_t>());

    const std::string result = tagforge::BuildResultText(options, random);
    if (decorated || HasLoneCr(options.message)) {
        // A lone CR swallows whatever follows it in the result, a tag's "<" included.
        return 0;
    }
    const Stripped stripped = StripColourTags(result);
    const std::string expected = tagforge::LineBreaksToBr(options.message, "<br>");
    const auto report = [&] {
        for (const std::string_view text :
             {std::string_view(options.message), std::string_view(result)}) {
            for (const char c : text) {
                std::fprintf(stderr, "%02X ", static_cast<unsigned>(static_cast<unsigned char>(c)));
            }
            std::fprintf(stderr, "\n");
        }
    };
    if (stripped.text != expected) {
        report();
    }
    Check(stripped.text == expected, "taking the colour tags out gives the message back");
    const std::vector<bool> places = TagPlaces(options.message, expected.size());
    for (const std::size_t at : stripped.tagsAt) {
        if (at >= places.size() || !places[at]) {
            report();
            std::fprintf(stderr, "tag at %zu\n", at);
        }
        Check(at < places.size() && places[at], "no tag inside a letter or a marker");
    }
    return 0;
}
