// The --set reader on arbitrary lines: each line one NAME=VALUE argument,
// applied in order as one batch. Settings are applied or refused with a
// FormStateError; the form keeps at most one checked box per radio set.
#include "fuzz_check.h"

#include "form/form_catalog.h"
#include "form/form_state_json.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    bazi::FormState form(bazi::CivilDate{2016, 3, 16});
    try {
        std::vector<bazi::ControlSetting> settings;
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            settings.push_back(bazi::parseControlSetting(text.substr(0, end)));
            text.remove_prefix(std::min(end + 1, text.size()));
        }
        bazi::applyControlSettings(form, settings);
    } catch (const bazi::FormStateError& e) {
        bazi::fuzz::requireOneShortLine(e.what());
    }
    for (const bazi::GroupSpec& group : bazi::groupSpecs()) {
        if (group.reveal != bazi::RevealKind::radioSet)
            continue;
        for (int row = 1; row <= group.rowCount; ++row) {
            int checked = 0;
            for (const std::string& radio : bazi::rowNames(group.id, row).radios)
                checked += form.isChecked(radio) ? 1 : 0;
            bazi::fuzz::require(checked <= 1, "at most one box of a radio set is checked");
        }
    }
    return 0;
}
