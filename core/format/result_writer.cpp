#include "core/format/result_writer.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tagforge {
namespace {

using EncodedByte = ResultWriter::EncodedByte;
using EncodingTable = std::array<EncodedByte, 256>;

constexpr std::string_view kBr = "<br>";
constexpr std::size_t kMaxBytesPerByte = 4;  // "<br>"; a code page character needs at most 3

EncodingTable MakeTable(TextEncoding encoding, LineBreaks lineBreaks) {
    EncodingTable table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char byte = static_cast<char>(i);
        const std::string_view bytes =
            encoding == TextEncoding::Utf8 ? Utf8Of(byte) : std::string_view(&byte, 1);
        EncodedByte& encoded = table[i];
        std::copy(bytes.begin(), bytes.end(), encoded.bytes.begin());
        encoded.size = static_cast<std::uint8_t>(bytes.size());
    }
    if (lineBreaks == LineBreaks::ToBr) {
        EncodedByte& cr = table[static_cast<unsigned char>('\r')];
        std::copy(kBr.begin(), kBr.end(), cr.bytes.begin());
        cr.size = static_cast<std::uint8_t>(kBr.size());
        cr.lineBreak = true;
    }
    return table;
}

const EncodingTable& TableFor(TextEncoding encoding, LineBreaks lineBreaks) {
    static const std::array<EncodingTable, 4> kTables = {
        MakeTable(TextEncoding::Windows1251, LineBreaks::Keep),
        MakeTable(TextEncoding::Windows1251, LineBreaks::ToBr),
        MakeTable(TextEncoding::Utf8, LineBreaks::Keep),
        MakeTable(TextEncoding::Utf8, LineBreaks::ToBr),
    };
    const std::size_t index =
        (encoding == TextEncoding::Utf8 ? 2 : 0) + (lineBreaks == LineBreaks::ToBr ? 1 : 0);
    return kTables[index];
}

}  // namespace

TextSink AppendTo(std::string& target) {
    return [&target](std::string_view slice) { target.append(slice); };
}

ResultWriter::ResultWriter(char* begin, char* end, TextEncoding encoding, LineBreaks lineBreaks)
    : encoding_(encoding), begin_(begin), out_(begin), end_(end) {
    SetLineBreaks(lineBreaks);
}

ResultWriter::ResultWriter(TextSink sink, TextEncoding encoding, LineBreaks lineBreaks)
    : sink_(std::move(sink)), encoding_(encoding) {
    begin_ = staging_.data();
    out_ = begin_;
    end_ = begin_ + kStagingSize;
    SetLineBreaks(lineBreaks);
}

void ResultWriter::SetLineBreaks(LineBreaks lineBreaks) {
    table_ = TableFor(encoding_, lineBreaks).data();
    plain_ = encoding_ == TextEncoding::Windows1251 && lineBreaks == LineBreaks::Keep;
    maxBytesPerByte_ = plain_ ? 1 : kMaxBytesPerByte;
}

void ResultWriter::PutInSlices(std::string_view text) {
    while (!text.empty()) {
        if (dropNext_) {
            dropNext_ = false;
            ++dropped_;
            text.remove_prefix(1);
            continue;
        }
        const std::size_t fits = Room() / maxBytesPerByte_;
        if (fits == 0) {
            // Near the end of a buffer sized exactly, the next byte may still fit, though not
            // the four bytes Encode stores for each.
            const EncodedByte& encoded = table_[static_cast<unsigned char>(text.front())];
            if (encoded.size <= Room()) {
                out_ = std::copy_n(encoded.bytes.begin(), encoded.size, out_);
                text.remove_prefix(1);
                if (encoded.lineBreak) {
                    ++breaks_;
                    dropNext_ = true;
                }
            } else {
                Flush();
            }
            continue;
        }
        const std::size_t slice = std::min(fits, text.size());
        out_ = Encode(out_, text.substr(0, slice));
        text.remove_prefix(slice);
    }
}

void ResultWriter::PutColorGroupInPieces(PackedColorCode code, std::string_view text) {
    std::array<char, sizeof code> bytes{};
    std::memcpy(bytes.data(), &code, sizeof code);
    PutMarkup(kColorOpen);
    PutMarkup(std::string_view(bytes.data(), kCodeLength));
    Put(text);
    PutMarkup(kColorClose);
}

void ResultWriter::Flush() {
    if (!sink_) {
        throw std::length_error("the output outgrew the buffer sized for it");
    }
    const auto staged = static_cast<std::size_t>(out_ - begin_);
    if (staged > 0) {
        sink_(std::string_view(begin_, staged));
    }
    out_ = begin_;
}

void ResultWriter::Finish() {
    if (sink_) {
        Flush();
    }
}

std::size_t ResultWriter::EncodedSizeBound(std::string_view text, TextEncoding encoding) {
    // A CR may become "<br>"; in UTF-8 a byte beyond ASCII needs two or three bytes, as the code
    // page lies below U+10000. Counting is branch-free so that it runs in vector steps.
    const std::size_t highExtra = encoding == TextEncoding::Utf8 ? 2 : 0;
    std::size_t extra = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        extra += (byte >= 0x80 ? highExtra : 0) + (byte == '\r' ? 3 : 0);
    }
    return text.size() + extra;
}

}  // namespace tagforge
