#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "core/format/color_code.h"
#include "core/format/cp1251.h"

namespace tagforge {

// Receives finished output in slices, front to back.
using TextSink = std::function<void(std::string_view)>;

// A sink that appends to `target`; reserve the target first to keep it one buffer.
TextSink AppendTo(std::string& target);

enum class LineBreaks {
    Keep,  // CR stays a CR
    ToBr,  // each CR becomes "<br>" and the byte right after it is dropped
};

// The one place where formatted text is turned into output bytes. It takes Windows-1251 pieces,
// encodes them and applies the line-break rule on the way, a dropped byte being taken from the
// next piece when a CR ends one. A long result is thus written once, straight into its final
// form: either into a buffer the caller sized up front, or through a small staging area that
// goes to a sink whenever it fills.
class ResultWriter {
  public:
    // Writes into [begin, end); running out of room there throws std::length_error.
    ResultWriter(char* begin, char* end, TextEncoding encoding, LineBreaks lineBreaks);
    ResultWriter(TextSink sink, TextEncoding encoding, LineBreaks lineBreaks);
    ResultWriter(const ResultWriter&) = delete;
    ResultWriter& operator=(const ResultWriter&) = delete;

    // Later pieces follow the new rule; a byte still to be dropped stays to be dropped.
    void SetLineBreaks(LineBreaks lineBreaks);

    // Any Windows-1251 text.
    void Put(std::string_view text) {
        if (text.empty()) {
            return;
        }
        source_ += text.size();
        if (dropNext_ || Room() < text.size() * maxBytesPerByte_) {
            PutInSlices(text);
            return;
        }
        out_ = Encode(out_, text);
    }

    // Tags the program makes itself: ASCII without CR, which every encoding keeps as it is.
    void PutMarkup(std::string_view markup) {
        if (markup.empty()) {
            return;
        }
        source_ += markup.size();
        if (dropNext_ || Room() < markup.size()) {
            PutInSlices(markup);
            return;
        }
        std::memcpy(out_, markup.data(), markup.size());
        out_ += markup.size();
    }

    // "<font color=" + code + ">" + text + "</font>", even for an empty text. Every coloured
    // group has this shape, so a long coloured message comes this way letter by letter: one check
    // for room, and the code stored straight from a register.
    void PutColorGroup(PackedColorCode code, std::string_view text) {
        if (dropNext_ || text.empty() ||
            Room() < kColorOpen.size() + sizeof code + text.size() * maxBytesPerByte_ +
                         kColorClose.size()) {
            PutColorGroupInPieces(code, text);
            return;
        }
        source_ += kColorOpen.size() + kCodeLength + text.size() + kColorClose.size();
        char* out = out_;
        std::memcpy(out, kColorOpen.data(), kColorOpen.size());
        std::memcpy(out + kColorOpen.size(), &code, sizeof code);
        out = Encode(out + kColorOpen.size() + kCodeLength, text);
        if (dropNext_) [[unlikely]] {
            out_ = out;
            source_ -= kColorClose.size();
            PutMarkup(kColorClose);
            return;
        }
        std::memcpy(out, kColorClose.data(), kColorClose.size());
        out_ = out + kColorClose.size();
    }

    // Hands what is still staged to the sink; the output is complete only after this.
    void Finish();

    // The end of what was written into the caller's buffer.
    char* end() const { return out_; }

    // Windows-1251 bytes handed over so far, before any line break became "<br>".
    std::size_t SourceLength() const { return source_; }
    // What the output so far measures in Windows-1251, line breaks turned into "<br>".
    std::size_t Windows1251Length() const { return source_ + 3 * breaks_ - dropped_; }

    // An upper bound of the bytes `text` becomes in `encoding` under either line-break rule.
    static std::size_t EncodedSizeBound(std::string_view text, TextEncoding encoding);

    // One Windows-1251 byte as output: up to four bytes, always copied whole.
    struct EncodedByte {
        std::array<char, 4> bytes{};
        std::uint8_t size = 0;
        bool lineBreak = false;
    };

  private:
    static constexpr std::string_view kColorOpen = "<font color=";
    static constexpr std::size_t kCodeLength = 7;  // six digits and ">"
    static constexpr std::string_view kColorClose = "</font>";
    static constexpr std::size_t kStagingSize = std::size_t{32} * 1024;

    std::size_t Room() const { return static_cast<std::size_t>(end_ - out_); }

    // Encodes non-empty text that is known to fit at `out`, with no byte waiting to be dropped;
    // returns the end of what it wrote. Locals keep the loop free of reloads, since stores
    // through a char pointer could otherwise alias every member.
    char* Encode(char* out, std::string_view text) {
        if (plain_) {
            std::memcpy(out, text.data(), text.size());
            return out + text.size();
        }
        const EncodedByte* const table = table_;
        const std::size_t size = text.size();
        for (std::size_t i = 0; i < size; ++i) {
            const EncodedByte& encoded = table[static_cast<unsigned char>(text[i])];
            std::memcpy(out, encoded.bytes.data(), encoded.bytes.size());
            out += encoded.size;
            if (encoded.lineBreak) [[unlikely]] {
                ++breaks_;
                if (++i == size) {
                    dropNext_ = true;
                } else {
                    ++dropped_;
                }
            }
        }
        return out;
    }

    void PutInSlices(std::string_view text);
    void PutColorGroupInPieces(PackedColorCode code, std::string_view text);
    void Flush();

    TextSink sink_;
    TextEncoding encoding_;
    const EncodedByte* table_ = nullptr;
    bool plain_ = false;
    std::size_t maxBytesPerByte_ = 1;
    bool dropNext_ = false;
    std::size_t source_ = 0;
    std::size_t breaks_ = 0;
    std::size_t dropped_ = 0;
    char* begin_ = nullptr;
    char* out_ = nullptr;
    char* end_ = nullptr;
    std::array<char, kStagingSize> staging_;
};

}  // namespace tagforge
