#include "core/format/result_writer.h"

#include <algorithm>
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

ResultWriter::ResultWriter(TextSink sink, TextEncoding encoding, LineBreaks lineBreaks)
    : sink_(std::move(sink)), encoding_(encoding), out_(staging_.data()) {
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
            Flush();
            continue;
        }
        const std::size_t slice = std::min(fits, text.size());
        Encode(text.data(), slice);
        text.remove_prefix(slice);
    }
}

void ResultWriter::Flush() {
    const auto staged = static_cast<std::size_t>(out_ - staging_.data());
    if (staged > 0) {
        sink_(std::string_view(staging_.data(), staged));
    }
    out_ = staging_.data();
}

void ResultWriter::Finish() {
    Flush();
}

std::size_t ResultWriter::EncodedSizeBound(std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1251) {
        return text.size() +
               3 * static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    }
    const EncodingTable& table = TableFor(encoding, LineBreaks::ToBr);
    std::size_t size = 0;
    for (const char c : text) {
        size += table[static_cast<unsigned char>(c)].size;
    }
    return size;
}

}  // namespace tagforge
