// The form-state reader on arbitrary bytes, as a file reaches it: the reader's
// text checks, then the JSON. A text is read or refused with a FormStateError
// or TextInputError; a form state read holds only selections of its lists and
// at most one checked box per radio set.
#include "fuzz_check.h"

#include "form/form_catalog.h"
#include "form/form_state_json.h"
#include "form/text_input.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void requireWellFormed(const bazi::FormState& form) {
    using namespace bazi;
    for (const GroupSpec& group : groupSpecs()) {
        for (int row = 1; row <= group.rowCount; ++row) {
            const RowNames names = rowNames(group.id, row);
            for (const std::string* combo : {&names.value, &names.position, &names.count})
                fuzz::require(!form.selectedText(*combo).empty(), "a selection is an item");
            int checked = 0;
            for (const std::string& radio : names.radios)
                checked += !radio.empty() && form.isChecked(radio) ? 1 : 0;
            fuzz::require(checked <= 1, "at most one box of a radio set is checked");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        bazi::checkTextInput(text, bazi::kMaxFormStateBytes, "fuzz input");
        const bazi::FormState form = bazi::formStateFromJson(text, false);
        requireWellFormed(form);
    } catch (const bazi::TextInputError& e) {
        bazi::fuzz::requireOneShortLine(e.what());
    } catch (const bazi::FormStateError& e) {
        bazi::fuzz::requireOneShortLine(e.what());
    }
    return 0;
}
