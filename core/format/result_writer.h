#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

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
// next piece when a CR ends one. Output collects in a small staging area that goes to the sink
// whenever it fills, so a long result is written once, straight into its final form, without a
// zero-filled buffer or an intermediate copy of the whole text.
class ResultWriter {
  public:
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
        Encode(text.data(), text.size());
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

    // Hands what is still staged to the sink; the output is complete only after this.
    void Finish();

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
    static constexpr std::size_t kStagingSize = std::size_t{32} * 1024;

    std::size_t Room() const {
        return static_cast<std::size_t>(staging_.data() + kStagingSize - out_);
    }

    // Encodes bytes that are known to fit, with no byte waiting to be dropped.
    void Encode(const char* text, std::size_t size) {
        if (plain_) {
            std::memcpy(out_, text, size);
            out_ += size;
            return;
        }
        for (std::size_t i = 0; i < size; ++i) {
            const EncodedByte& encoded = table_[static_cast<unsigned char>(text[i])];
            std::memcpy(out_, encoded.bytes.data(), encoded.bytes.size());
            out_ += encoded.size;
            if (encoded.lineBreak) [[unlikely]] {
                ++breaks_;
                if (++i == size) {
                    dropNext_ = true;
                } else {
                    ++dropped_;
                }
            }
        }
    }

    void PutInSlices(std::string_view text);
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
    char* out_ = nullptr;
    std::array<char, kStagingSize> staging_;
};

}  // namespace tagforge
