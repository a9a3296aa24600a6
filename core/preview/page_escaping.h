#pragma once

#include <string>
#include <string_view>

// Names from files and messages enter generated pages only through these, so that no name can
// end an attribute or a tag.
namespace tagforge {

// The text with &, <, >, " and ' written as character references.
std::string EscapeHtml(std::string_view text);

// A name as one segment of a relative address: every ASCII character that could end the
// attribute, start a query or fragment, separate segments or begin an escape is written as
// %XX; letters of the page's code page (bytes from 0x80 up) stay, and the browser sends them as
// UTF-8 escapes. "a b.gif", "50%.gif" and "hash#1.gif" thus name their own files.
std::string PercentEncodeName(std::string_view name);

}  // namespace tagforge
