#pragma once
// Chart spans as the search and the reverse lookup print them: one text line,
// one JSON object or one CSV line per span.

#include "basis/time_basis.h"
#include "cli/cli_common.h"
#include "conditions/conditions.h"
#include "search/span.h"

#include <optional>
#include <string>
#include <string_view>

namespace bazi::cli {

enum class SpanFormat { text, json, csv };

/// The format the flags --json and --csv (which exclude each other) choose.
[[nodiscard]] constexpr SpanFormat spanFormatOf(bool json, bool csv) {
    return json ? SpanFormat::json : (csv ? SpanFormat::csv : SpanFormat::text);
}

/// Writes spans to an output buffer. With conditions to explain, every span also
/// carries why it matched: per set row its control, value and position, the
/// item its count test settled on, the count and the places holding the item.
/// With a chosen time basis, start and end are times of its clock, followed by
/// their UTC offset (JSON "utcOffset", and "endUtcOffset" when the end's
/// differs) and, with solar time on, the reading at the start ("solarTime").
class SpanWriter {
public:
    SpanWriter(OutputBuffer& out, SpanFormat format, const Conditions* explain = nullptr,
               const TimeBasis* basis = nullptr);

    /// What comes before the spans of a listing: the line stating the basis
    /// (text, with a basis) or the CSV header line; nothing for JSON.
    void header();
    /// One span; `chart` adds the key "chart" (JSON) for a batch lookup.
    void span(const Span& span, std::optional<std::string_view> chart = std::nullopt);

private:
    void text(const Span& span);
    void json(const Span& span, std::optional<std::string_view> chart);
    void csv(const Span& span);

    OutputBuffer& m_out;
    SpanFormat m_format;
    const Conditions* m_explain;
    const TimeBasis* m_basis; // null: the calendar's clock, nothing added
};

} // namespace bazi::cli
