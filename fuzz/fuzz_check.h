#pragma once
// What every fuzz target checks besides the sanitizers: a property that does not
// hold stops the run like a crash does, with the reason on stderr.

#include "form/message_text.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace bazi::fuzz {

/// Stops the run (a finding) when `holds` is false.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property does not hold: %s\n", what);
        std::abort();
    }
}

/// A refusal's message: one printable line of bounded length, so that no input
/// can put a control character or a megabyte on the user's terminal.
inline void requireOneShortLine(std::string_view message) {
    require(!message.empty(), "a refusal says something");
    require(printableMessage(message) == message, "a message has nothing to escape");
    require(message.size() < 2000, "a message is short");
}

} // namespace bazi::fuzz
