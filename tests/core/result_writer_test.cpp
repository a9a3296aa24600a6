#include "core/format/result_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/format/markers.h"
#include "test_text.h"

namespace tagforge {
namespace {

using test::W;

// What the writer must give: the pieces joined, line breaks turned into "<br>" over the whole
// text, then encoded.
std::string Expected(const std::vector<std::string>& pieces, TextEncoding encoding,
                     LineBreaks lineBreaks) {
    std::string joined;
    for (const std::string& piece : pieces) {
        joined += piece;
    }
    if (lineBreaks == LineBreaks::ToBr) {
        joined = LineBreaksToBr(joined, "<br>");
    }
    if (encoding == TextEncoding::Windows1251) {
        return joined;
    }
    std::string utf8;
    for (const char c : joined) {
        utf8 += Utf8Of(c);
    }
    return utf8;
}

std::string Repeat(const std::string& text, std::size_t times) {
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

void PutAll(ResultWriter& out, const std::vector<std::string>& pieces) {
    for (const std::string& piece : pieces) {
        out.Put(piece);
    }
}

std::string Streamed(const std::vector<std::string>& pieces, TextEncoding encoding,
                     LineBreaks lineBreaks) {
    std::string result;
    ResultWriter out(AppendTo(result), encoding, lineBreaks);
    PutAll(out, pieces);
    out.Finish();
    return result;
}

// Into a buffer exactly as long as the output, which must neither overrun it nor stop short.
std::string IntoExactBuffer(const std::vector<std::string>& pieces, TextEncoding encoding,
                            LineBreaks lineBreaks) {
    std::string buffer(Expected(pieces, encoding, lineBreaks).size(), '?');
    ResultWriter out(buffer.data(), buffer.data() + buffer.size(), encoding, lineBreaks);
    PutAll(out, pieces);
    buffer.resize(static_cast<std::size_t>(out.end() - buffer.data()));
    return buffer;
}

const std::vector<std::vector<std::string>>& PieceTable() {
    static const std::vector<std::vector<std::string>> table = {
        {"a\r\nb"},
        {"a\r", "\nb"},       // the LF to drop comes with the next piece
        {"a\r", "", "<br>"},  // an empty piece does not take the drop
        {"x\r", "yz"},        // a lone CR swallows the next byte whatever it is
        {"\r\r\n", "\r"},     // a CR as the dropped byte; a CR that ends everything
        {W("Привет, мир\r\n№ 5 — ёлка"), "\x98", "&#128512;"},
        // Longer than the staging area, with breaks at the edges of its slices.
        {std::string(40000, 'a') + "\r", "\n" + Repeat(W("ж"), 30000) + "\r\n"},
        {Repeat(W("я"), 20000), std::string(70000, '\r')},
    };
    return table;
}

TEST(ResultWriter, EncodesAndTurnsLineBreaksIntoBrAcrossPieces) {
    for (const auto encoding : {TextEncoding::Windows1251, TextEncoding::Utf8}) {
        for (const auto lineBreaks : {LineBreaks::Keep, LineBreaks::ToBr}) {
            for (const auto& pieces : PieceTable()) {
                const std::string expected = Expected(pieces, encoding, lineBreaks);
                EXPECT_EQ(Streamed(pieces, encoding, lineBreaks), expected);
                EXPECT_EQ(IntoExactBuffer(pieces, encoding, lineBreaks), expected);
            }
        }
    }
}

TEST(ResultWriter, ColourGroupsWrapTheirTextAndMayLoseTheirCloseToALoneCr) {
    std::string result;
    ResultWriter out(AppendTo(result), TextEncoding::Utf8, LineBreaks::ToBr);
    out.PutColorGroup(PackColorCode(255, 0, 16), W("ж"));
    out.PutColorGroup(PackColorCode(0, 0, 0), "\r");
    out.PutColorGroup(PackColorCode(1, 2, 3), "");
    out.Finish();
    EXPECT_EQ(result,
              "<font color=FF0010>\xD0\xB6</font><font color=000000><br>/font>"
              "<font color=010203></font>");
}

TEST(ResultWriter, CountsWindows1251LengthsBeforeAndAfterTheLineBreaks) {
    std::string result;
    ResultWriter out(AppendTo(result), TextEncoding::Utf8, LineBreaks::Keep);
    out.Put(W("я\r"));  // kept: two bytes in Windows-1251
    out.SetLineBreaks(LineBreaks::ToBr);
    out.Put(W("ж\r\nx\r"));
    out.PutMarkup("<b>");
    out.Finish();
    EXPECT_EQ(result, "\xD1\x8F\r\xD0\xB6<br>x<br>b>");
    EXPECT_EQ(out.SourceLength(), 10u);
    EXPECT_EQ(out.Windows1251Length(), std::string_view("\xFF\r\xE6<br>x<br>b>").size());
}

TEST(ResultWriter, ABufferTooSmallIsRefused) {
    std::string buffer(5, '?');
    ResultWriter out(buffer.data(), buffer.data() + buffer.size(), TextEncoding::Utf8,
                     LineBreaks::Keep);
    EXPECT_THROW(out.Put(W("жжж")), std::length_error);
}

TEST(ResultWriter, SizeBoundCoversEitherLineBreakRule) {
    for (const auto encoding : {TextEncoding::Windows1251, TextEncoding::Utf8}) {
        for (const auto& pieces : PieceTable()) {
            for (const std::string& piece : pieces) {
                const std::size_t bound = ResultWriter::EncodedSizeBound(piece, encoding);
                EXPECT_GE(bound, Expected({piece}, encoding, LineBreaks::Keep).size());
                EXPECT_GE(bound, Expected({piece}, encoding, LineBreaks::ToBr).size());
            }
        }
    }
}

}  // namespace
}  // namespace tagforge
